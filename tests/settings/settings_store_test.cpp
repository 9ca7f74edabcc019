#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "tests/support/scratch_registry.h"
#include "view/reading_view.h"

namespace {

constexpr const wchar_t* kAllValues[] = {L"FontName", L"FontSize", L"FontAsciiBase", L"LastPosition",
                                         L"Flags",    L"Lesson",   L"SearchString"};

std::u16string FontName() { return program.settings.font.FontName; }
std::string SearchString() { return program.settings.SearchString; }

std::vector<BYTE> BytesOf(const void* data, size_t size) {
    const auto* bytes = static_cast<const BYTE*>(data);
    return std::vector<BYTE>(bytes, bytes + size);
}

std::vector<BYTE> DwordBytes(DWORD value) { return BytesOf(&value, sizeof value); }

std::string Narrow(const wchar_t* name) { return testing::PrintToString(std::wstring(name)); }

// A value's type and bytes, to compare what is stored before and after.
struct StoredValue {
    DWORD type;
    std::optional<std::vector<BYTE>> data;
    bool operator==(const StoredValue&) const = default;
};
StoredValue ReadStored(const wchar_t* name) { return {ValueType(name), ReadData(name)}; }

ViewState* MakeView(uint16_t topRow) {
    ViewState* view = CreateView(nullptr, nullptr, program.settings.font, 0);
    if (view != nullptr) view->topRow = topRow;
    return view;
}

}  // namespace

// Each test starts as the program does: zero-filled state, an empty hive.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ClearProgramKeys());
        program = ProgramState{};
        program.instance = GetModuleHandleW(nullptr);
    }
    void TearDown() override {
        DestroyView(program.view, true);
        for (HBITMAP bitmap : program.pickerBitmaps) {
            if (bitmap != nullptr) DeleteObject(bitmap);
        }
        program = ProgramState{};
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        ASSERT_TRUE(ClearProgramKeys());
    }
};

TEST_F(SettingsStore, FirstRunTakesEveryDefault) {
    LoadSettings();
    const Settings& settings = program.settings;
    EXPECT_EQ(FontName(), u"");
    EXPECT_EQ(settings.font.FontSize, 0);
    EXPECT_EQ(settings.font.FontAsciiBase, 1488);
    EXPECT_EQ(settings.LastPosition, 0);
    EXPECT_EQ(settings.Flags, 0xD1140040u);
    EXPECT_EQ(settings.Lesson, 0);
    EXPECT_EQ(SearchString(), "");
    EXPECT_FALSE(SettingsKeyExists()) << "reading must not create the key";
}

TEST_F(SettingsStore, ReadsStoredIntegers) {
    WriteDword(L"FontSize", 12);
    WriteDword(L"FontAsciiBase", 224);
    WriteDword(L"LastPosition", 0x12345);
    WriteDword(L"Flags", 0x80000844);
    WriteDword(L"Lesson", 0x10003);
    LoadSettings();
    const Settings& settings = program.settings;
    EXPECT_EQ(settings.font.FontSize, 12);
    EXPECT_EQ(settings.font.FontAsciiBase, 224);
    EXPECT_EQ(settings.LastPosition, 0x2345) << "low 16 bits";
    EXPECT_EQ(settings.Flags, 0x80000844u);
    EXPECT_EQ(settings.Lesson, 3) << "low 16 bits";
}

TEST_F(SettingsStore, ReadsIntegersStoredAsText) {
    WriteString(L"FontSize", L"25");
    WriteString(L"FontAsciiBase", L"2x");
    WriteString(L"Lesson", L"");
    LoadSettings();
    EXPECT_EQ(program.settings.font.FontSize, 25);
    EXPECT_EQ(program.settings.font.FontAsciiBase, 2 * 10 + ('x' - '0'));
    EXPECT_EQ(program.settings.Lesson, 0);
}

TEST_F(SettingsStore, FontNameIsCutTo31Characters) {
    const struct {
        const char* label;
        std::vector<uint8_t> data;
        std::u16string expected;
    } cases[] = {
        {"40 characters", {}, u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcde"},
        {"unterminated", {'D', 0, 'e', 0, 'j', 0, 'a', 0}, u"Deja"},
        {"odd size", {'M', 0, 'i'}, u"Mi"},
        {"Hebrew", {0xD3, 0x05, 0xD5, 0x05, 0xD3, 0x05, 0, 0}, u"\u05D3\u05D5\u05D3"},
    };
    const std::u16string forty = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        program.settings.font = FontSettings{};
        if (c.data.empty()) {
            WriteValue(L"FontName", REG_SZ, forty.c_str(), (forty.size() + 1) * 2);
        } else {
            WriteValue(L"FontName", REG_SZ, c.data.data(), c.data.size());
        }
        LoadSettings();
        EXPECT_EQ(FontName(), c.expected);
    }
}

// The copy stops at a zero byte, after 33 bytes, or at the end of the data.
TEST_F(SettingsStore, SearchStringIsCutTo33Bytes) {
    std::string fifty;
    for (int i = 0; i < 50; ++i) fifty += static_cast<char>('a' + i % 26);
    const struct {
        const char* label;
        std::string data;
        std::string expected;
    } cases[] = {
        {"50 bytes", fifty, fifty.substr(0, 33)},
        {"terminated", std::string("abc\0def", 7), "abc"},
        {"unterminated", "\xE0\xE1\xE2", "\xE0\xE1\xE2"},
        {"33 bytes exactly", fifty.substr(0, 33), fifty.substr(0, 33)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::memset(program.settings.SearchString, 'Z', sizeof program.settings.SearchString);
        WriteValue(L"SearchString", REG_BINARY, c.data.data(), c.data.size());
        LoadSettings();
        EXPECT_EQ(SearchString(), c.expected);
    }
}

// An empty stored text leaves the one in memory as it is.
TEST_F(SettingsStore, EmptyStoredTextsAreNotTaken) {
    std::memcpy(program.settings.font.FontName, u"Keter", sizeof u"Keter");
    std::memcpy(program.settings.SearchString, "kept", 5);
    for (const std::string& data : {std::string(), std::string(2, '\0'), std::string("\0\0a\0", 4)}) {
        SCOPED_TRACE(data.size());
        WriteValue(L"FontName", REG_SZ, data.data(), data.size());
        WriteValue(L"SearchString", REG_BINARY, data.data(), data.size());
        LoadSettings();
        EXPECT_EQ(FontName(), u"Keter");
        EXPECT_EQ(SearchString(), "kept");
    }
}

TEST_F(SettingsStore, SavingDefaultsWritesFlagsAndAsciiBaseOnly) {
    LoadSettings();
    SaveSettingsAndQuit();
    EXPECT_EQ(ReadDword(L"Flags"), 0xD1140040u);
    EXPECT_EQ(ReadDword(L"FontAsciiBase"), 1488u);
    for (const wchar_t* name : {L"FontName", L"FontSize", L"SearchString", L"Lesson", L"LastPosition"}) {
        SCOPED_TRACE(Narrow(name));
        EXPECT_EQ(ValueType(name), static_cast<DWORD>(REG_NONE));
    }
}

// Empty texts and zero numbers are not written: the stored ones stay. Flags
// is written whatever it holds.
TEST_F(SettingsStore, SavingKeepsStoredValuesForEmptySettings) {
    WriteString(L"FontName", L"Keter YG");
    WriteDword(L"FontSize", 20);
    WriteDword(L"FontAsciiBase", 224);
    WriteDword(L"LastPosition", 44);
    WriteDword(L"Flags", 0xD1140040);
    WriteDword(L"Lesson", 9);
    WriteValue(L"SearchString", REG_BINARY, "old", 4);
    std::vector<StoredValue> before;
    for (const wchar_t* name : kAllValues) before.push_back(ReadStored(name));

    SaveSettingsAndQuit();
    for (size_t i = 0; i < std::size(kAllValues); ++i) {
        SCOPED_TRACE(Narrow(kAllValues[i]));
        const StoredValue after = ReadStored(kAllValues[i]);
        if (std::wstring(kAllValues[i]) == L"Flags") {
            EXPECT_EQ(ReadDword(L"Flags"), 0u);
        } else {
            EXPECT_EQ(after, before[i]);
        }
    }
}

TEST_F(SettingsStore, SavingWritesEverySetValue) {
    Settings& settings = program.settings;
    std::memcpy(settings.font.FontName, u"Frank Ruehl CLM", sizeof u"Frank Ruehl CLM");
    settings.font.FontSize = 14;
    settings.font.FontAsciiBase = 224;
    settings.Flags = 0x40000804;
    settings.Lesson = 57;
    std::memcpy(settings.SearchString, "\xE0\xE1 ab", 6);
    program.view = MakeView(65535);
    ASSERT_NE(program.view, nullptr);

    SaveSettingsAndQuit();
    const struct {
        const wchar_t* name;
        DWORD type;
        std::vector<uint8_t> data;
    } expected[] = {
        {L"FontName", REG_SZ, BytesOf(u"Frank Ruehl CLM", sizeof u"Frank Ruehl CLM")},
        {L"FontSize", REG_DWORD, DwordBytes(14)},
        {L"FontAsciiBase", REG_DWORD, DwordBytes(224)},
        {L"LastPosition", REG_DWORD, DwordBytes(0x0000FFFF)},
        {L"Flags", REG_DWORD, DwordBytes(0x40000804)},
        {L"Lesson", REG_DWORD, DwordBytes(57)},
        {L"SearchString", REG_BINARY, BytesOf("\xE0\xE1 ab", 6)},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(Narrow(e.name));
        EXPECT_EQ(ValueType(e.name), e.type);
        EXPECT_EQ(ReadData(e.name), e.data);
    }
    EXPECT_EQ(program.view, nullptr) << "the view is destroyed";
}

// The position written is the view's top row, and only while the view exists.
TEST_F(SettingsStore, LastPositionComesFromTheView) {
    WriteDword(L"LastPosition", 44);
    program.settings.LastPosition = 7;
    SaveSettingsAndQuit();
    EXPECT_EQ(ReadDword(L"LastPosition"), 44u);

    program.view = MakeView(3);
    ASSERT_NE(program.view, nullptr);
    SaveSettingsAndQuit();
    EXPECT_EQ(ReadDword(L"LastPosition"), 3u);
}

TEST_F(SettingsStore, SaveThenLoadGivesTheSameRecord) {
    Settings& settings = program.settings;
    std::memcpy(settings.font.FontName, u"\u05E2\u05D6\u05E8\u05D0 SIL", sizeof u"\u05E2\u05D6\u05E8\u05D0 SIL");
    settings.font.FontSize = 18;
    settings.font.FontAsciiBase = 97;
    settings.Flags = 0x91140884;
    settings.Lesson = 12;
    std::memcpy(settings.SearchString, "\xF0*\xE5?", 5);
    program.view = MakeView(321);
    ASSERT_NE(program.view, nullptr);
    Settings saved = settings;
    saved.LastPosition = 321;

    SaveSettingsAndQuit();
    program = ProgramState{};
    LoadSettings();
    const Settings& loaded = program.settings;
    EXPECT_EQ(std::memcmp(loaded.font.FontName, saved.font.FontName, sizeof saved.font.FontName), 0);
    EXPECT_EQ(loaded.font.FontSize, saved.font.FontSize);
    EXPECT_EQ(loaded.font.FontAsciiBase, saved.font.FontAsciiBase);
    EXPECT_EQ(loaded.LastPosition, saved.LastPosition);
    EXPECT_EQ(loaded.Flags, saved.Flags);
    EXPECT_EQ(loaded.Lesson, saved.Lesson);
    EXPECT_EQ(std::memcmp(loaded.SearchString, saved.SearchString, sizeof saved.SearchString), 0);
}

TEST_F(SettingsStore, SavingPostsTheQuitMessage) {
    SaveSettingsAndQuit();
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 0u);
}

TEST_F(SettingsStore, LoadsThePickerBitmapsThatExist) {
    LoadSettings();
    const int ids[] = {201, 202, 203};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(ids[i]);
        const bool present = FindResourceW(program.instance, MAKEINTRESOURCEW(ids[i]), RT_BITMAP) != nullptr;
        EXPECT_EQ(program.pickerBitmaps[i] != nullptr, present);
    }
}

TEST_F(SettingsStore, SavingDeletesThePickerBitmaps) {
    const HBITMAP first = CreateBitmap(1, 1, 1, 1, nullptr);
    const HBITMAP third = CreateBitmap(1, 1, 1, 1, nullptr);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(third, nullptr);
    program.pickerBitmaps[0] = first;
    program.pickerBitmaps[2] = third;
    SaveSettingsAndQuit();
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_EQ(GetObjectType(third), 0u);
    for (HBITMAP bitmap : program.pickerBitmaps) EXPECT_EQ(bitmap, nullptr);
}
