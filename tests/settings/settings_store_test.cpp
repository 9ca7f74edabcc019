#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/program.h"
#include "app/startup.h"
#include "tests/support/scratch_registry.h"
#include "view/reading_view.h"

namespace {

constexpr const wchar_t* kAllValues[] = {L"FontName", L"FontSize", L"FontAsciiBase", L"LastPosition",
                                         L"Flags",    L"Lesson",   L"SearchString"};

std::u16string FontName() { return program.settings.font.FontName; }
std::string SearchString() { return program.settings.SearchString; }

// FontSize, FontAsciiBase, LastPosition, Flags and Lesson.
std::tuple<int32_t, int32_t, int, uint32_t, int> Numbers() {
    const Settings& s = program.settings;
    return {s.font.FontSize, s.font.FontAsciiBase, s.LastPosition, s.Flags, s.Lesson};
}

std::vector<BYTE> BytesOf(const void* data, size_t size) {
    const auto* bytes = static_cast<const BYTE*>(data);
    return std::vector<BYTE>(bytes, bytes + size);
}

std::vector<BYTE> DwordBytes(DWORD value) { return BytesOf(&value, sizeof value); }

std::string Narrow(const wchar_t* name) { return testing::PrintToString(std::wstring(name)); }

}  // namespace

// Each test starts as the program does: zero-filled state, an empty hive.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ClearProgramKeys());
        program = ProgramState{};
        program.instance = GetModuleHandleW(nullptr);
        program.settingsLoaded = true;  // as after start-up; LoadSettings sets it again
    }
    void TearDown() override {
        DestroyView(program.view, true);
        program = ProgramState{};
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        ASSERT_TRUE(ClearProgramKeys());
    }
};

TEST_F(SettingsStore, FirstRunTakesEveryDefault) {
    LoadSettings();
    EXPECT_EQ(FontName(), u"");
    EXPECT_EQ(SearchString(), "");
    EXPECT_EQ(Numbers(), std::make_tuple(0, 1488, 0, 0xD1140040u, 0));
    EXPECT_FALSE(SettingsKeyExists()) << "reading must not create the key";
}

TEST_F(SettingsStore, ReadsStoredIntegers) {
    WriteString(L"FontSize", L"25");
    WriteDword(L"FontAsciiBase", 224);
    WriteDword(L"LastPosition", 0x12345);
    WriteDword(L"Flags", 0x80000844);
    WriteDword(L"Lesson", 0x10003);
    LoadSettings();
    EXPECT_EQ(Numbers(), std::make_tuple(25, 224, 0x2345, 0x80000844u, 3)) << "positions keep their low 16 bits";
}

// The font name is cut to 31 characters; the search string stops at a zero
// byte, after 33 bytes, or at the end of the data. An empty stored text
// leaves the one in memory as it is.
TEST_F(SettingsStore, StoredTextsAreCutToTheirFields) {
    const std::u16string forty = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    WriteValue(L"FontName", REG_SZ, forty.c_str(), (forty.size() + 1) * 2);
    LoadSettings();
    EXPECT_EQ(FontName(), forty.substr(0, 31));

    std::string fifty;
    for (int i = 0; i < 50; ++i) fifty += static_cast<char>('a' + i % 26);
    const struct { std::string data; std::string expected; } cases[] = {
        {fifty, fifty.substr(0, 33)},         {fifty.substr(0, 33), fifty.substr(0, 33)},
        {std::string("abc\0def", 7), "abc"},  {"\xE0\xE1\xE2", "\xE0\xE1\xE2"},
        {"", "kept"},                          {std::string(2, '\0'), "kept"},
        {std::string("\0\0a\0", 4), "kept"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.data.size());
        std::memset(program.settings.SearchString, 'Z', sizeof program.settings.SearchString);
        std::memcpy(program.settings.SearchString, "kept", 5);
        std::memcpy(program.settings.font.FontName, u"Keter", sizeof u"Keter");
        WriteValue(L"SearchString", REG_BINARY, c.data.data(), c.data.size());
        WriteValue(L"FontName", REG_SZ, c.data.data(), c.data.size());
        LoadSettings();
        EXPECT_EQ(SearchString(), c.expected);
        EXPECT_TRUE(c.expected != "kept" || FontName() == u"Keter");
    }
}

// Empty texts and zero numbers are not written, nor the position without a
// view: the stored ones stay. Flags is written whatever it holds.
TEST_F(SettingsStore, SavingKeepsStoredValuesForEmptySettings) {
    WriteString(L"FontName", L"Keter YG");
    WriteDword(L"FontSize", 20);
    WriteDword(L"FontAsciiBase", 224);
    WriteDword(L"LastPosition", 44);
    WriteDword(L"Flags", 0xD1140040);
    WriteDword(L"Lesson", 9);
    WriteValue(L"SearchString", REG_BINARY, "old", 4);
    const auto stored = [](const wchar_t* name) { return std::make_pair(ValueType(name), ReadData(name)); };
    std::vector<decltype(stored(L""))> before;
    for (const wchar_t* name : kAllValues) before.push_back(stored(name));
    program.settings.LastPosition = 7;

    SaveSettingsAndQuit();
    for (size_t i = 0; i < std::size(kAllValues); ++i) {
        const bool flags = std::wstring(kAllValues[i]) == L"Flags";
        const auto zero = std::make_pair(DWORD{REG_DWORD}, std::optional(DwordBytes(0)));
        EXPECT_EQ(stored(kAllValues[i]), flags ? zero : before[i]) << Narrow(kAllValues[i]);
    }
}

// Every set value is written with its type, the position from the view, which
// is destroyed; loading gives the same record back.
TEST_F(SettingsStore, SavingWritesEverySetValueAndLoadingReadsThemBack) {
    Settings& settings = program.settings;
    std::memcpy(settings.font.FontName, u"\u05E2\u05D6\u05E8\u05D0 SIL", sizeof u"\u05E2\u05D6\u05E8\u05D0 SIL");
    settings.font.FontSize = 14;
    settings.font.FontAsciiBase = 97;
    settings.Flags = 0x40000804;
    settings.Lesson = 57;
    settings.Zoom = -3;
    std::memcpy(settings.SearchString, "\xE0\xE1 ab", 6);
    program.view = CreateView(nullptr, nullptr, program.settings.font, 0);
    ASSERT_NE(program.view, nullptr);
    program.view->topRow = 65535;
    const Settings saved = settings;

    SaveSettingsAndQuit();
    const struct { const wchar_t* name; DWORD type; std::vector<uint8_t> data; } expected[] = {
        {L"FontName", REG_SZ, BytesOf(u"\u05E2\u05D6\u05E8\u05D0 SIL", sizeof u"\u05E2\u05D6\u05E8\u05D0 SIL")},
        {L"FontSize", REG_DWORD, DwordBytes(14)},
        {L"FontAsciiBase", REG_DWORD, DwordBytes(97)},
        {L"LastPosition", REG_DWORD, DwordBytes(0x0000FFFF)},
        {L"Flags", REG_DWORD, DwordBytes(0x40000804)},
        {L"Lesson", REG_DWORD, DwordBytes(57)},
        {L"SearchString", REG_BINARY, BytesOf("\xE0\xE1 ab", 6)},
        {L"Zoom", REG_DWORD, DwordBytes(static_cast<DWORD>(-3))},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(Narrow(e.name));
        EXPECT_EQ(ValueType(e.name), e.type);
        EXPECT_EQ(ReadData(e.name), e.data);
    }
    EXPECT_EQ(program.view, nullptr) << "the view is destroyed";

    program = ProgramState{};
    LoadSettings();
    const Settings& loaded = program.settings;
    EXPECT_EQ(std::memcmp(loaded.font.FontName, saved.font.FontName, sizeof saved.font.FontName), 0);
    EXPECT_EQ(std::memcmp(loaded.SearchString, saved.SearchString, sizeof saved.SearchString), 0);
    EXPECT_EQ(Numbers(), std::make_tuple(14, 97, 65535, 0x40000804u, 57));
    EXPECT_EQ(loaded.Zoom, -3);
}
