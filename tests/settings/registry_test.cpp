#include "settings/registry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/scratch_registry.h"

// Every test starts and ends with no program keys (the suite has a Wine prefix of its own).
class Registry : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ClearProgramKeys()); }
    void TearDown() override { ASSERT_TRUE(ClearProgramKeys()); }
};

namespace {

std::u16string TextOf(const OwnedBlock<char16_t>& text) { return text ? std::u16string(text.get()) : u"(none)"; }

std::vector<BYTE> BytesOf(const void* data, size_t size) {
    const auto* bytes = static_cast<const BYTE*>(data);
    return std::vector<BYTE>(bytes, bytes + size);
}

}  // namespace

TEST_F(Registry, MissingIntegerGivesTheDefault) {
    EXPECT_EQ(RegReadIntAt(u"software\\Tarnwick", u"SurroundingGutter", 10), 10);
    EXPECT_EQ(RegReadInt(u"FontSize", -7), -7);
    WriteDword(L"Israel", 1, true);
    WriteDword(L"Flags", 5);
    EXPECT_EQ(RegReadIntAt(u"software\\Tarnwick", u"SurroundingGutter", 10), 10);
    EXPECT_EQ(RegReadInt(u"FontSize", -7), -7);
}

TEST_F(Registry, IntegerReadsDwordAsStored) {
    WriteDword(L"SurroundingGutter", 25, true);
    WriteDword(L"Lesson", 0xFFFFFFFF);
    EXPECT_EQ(RegReadIntAt(u"software\\Tarnwick", u"SurroundingGutter", 10), 25);
    EXPECT_EQ(RegReadInt(u"Lesson", 0), -1);
    // The maker's value is not one of the settings key.
    EXPECT_EQ(RegReadInt(u"SurroundingGutter", 10), 10);
}

// Any other type is read as UTF-16 units up to the first zero unit or the end
// of the stored data.
TEST_F(Registry, IntegerReadsOtherTypesAsDecimalText) {
    const struct {
        const char* label;
        DWORD type;
        std::vector<uint8_t> data;
        int32_t expected;
    } cases[] = {
        {"text", REG_SZ, {'2', 0, '5', 0, 0, 0}, 25},
        {"non-digit", REG_SZ, {'2', 0, 'x', 0, 0, 0}, 2 * 10 + ('x' - '0')},
        {"empty text", REG_SZ, {0, 0}, 0},
        {"no data", REG_SZ, {}, 0},
        {"unterminated binary", REG_BINARY, {'7', 0, '3', 0}, 73},
        {"embedded zero", REG_SZ, {'1', 0, '2', 0, 0, 0, '9', 0, 0, 0}, 12},
        {"odd size", REG_BINARY, {'3', 0, '4'}, 3},
        {"one byte", REG_BINARY, {'9'}, 0},
        {"expandable text", REG_EXPAND_SZ, {'4', 0, '0', 0, 0, 0}, 40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        WriteValue(L"FontSize", c.type, c.data.data(), c.data.size());
        EXPECT_EQ(RegReadInt(u"FontSize", -1), c.expected);
    }
}

TEST_F(Registry, StringMissingGivesNone) {
    EXPECT_FALSE(RegReadString(u"FontName"));
    WriteDword(L"Flags", 0);
    EXPECT_FALSE(RegReadString(u"FontName"));
}

// The buffer is terminated after the data whatever was stored.
TEST_F(Registry, StringIsAlwaysTerminated) {
    const struct {
        const char* label;
        DWORD type;
        std::vector<uint8_t> data;
        std::u16string expected;
    } cases[] = {
        {"terminated", REG_SZ, {'E', 0, 'z', 0, 'r', 0, 'a', 0, 0, 0}, u"Ezra"},
        {"unterminated", REG_SZ, {'A', 0, 'b', 0, 'c', 0}, u"Abc"},
        {"odd size", REG_SZ, {'A', 0, 'B'}, u"AB"},
        {"one byte", REG_BINARY, {'Q'}, u"Q"},
        {"no data", REG_SZ, {}, u""},
        {"type not checked", REG_DWORD, {'H', 0, 'i', 0}, u"Hi"},
        {"Hebrew", REG_SZ, {0xD0, 0x05, 0xD1, 0x05}, u"\u05D0\u05D1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        WriteValue(L"FontName", c.type, c.data.data(), c.data.size());
        EXPECT_EQ(TextOf(RegReadString(u"FontName")), c.expected);
    }
}

TEST_F(Registry, BytesComeBackAsStored) {
    EXPECT_FALSE(RegReadBytes(u"SearchString"));
    const uint8_t data[] = {1, 2, 0, 0xE0, 3};
    WriteValue(L"SearchString", REG_BINARY, data, sizeof data);
    const auto block = RegReadBytes(u"SearchString");
    ASSERT_TRUE(block);
    EXPECT_EQ(BytesOf(block.get(), sizeof data), BytesOf(data, sizeof data));
}

TEST_F(Registry, SizedBytesGiveTheirSizeOrTheFallback) {
    OwnedBlock<uint8_t> fallback(static_cast<uint8_t*>(AllocOrQuit(4)));
    const uint8_t* fallbackBlock = fallback.get();
    uint32_t size = 77;
    auto missing = RegReadBytesSized(u"Bookmarks", std::move(fallback), size);
    EXPECT_EQ(missing.get(), fallbackBlock);
    EXPECT_EQ(size, 77u);

    const uint8_t data[] = {5, 0, 9, 0, 0, 0, 7};
    WriteValue(L"Bookmarks", REG_BINARY, data, sizeof data);
    auto stored = RegReadBytesSized(u"Bookmarks", std::move(missing), size);
    ASSERT_TRUE(stored);
    ASSERT_EQ(size, sizeof data);
    EXPECT_EQ(BytesOf(stored.get(), size), BytesOf(data, sizeof data));

    WriteValue(L"Bookmarks", REG_BINARY, data, 0);
    stored = RegReadBytesSized(u"Bookmarks", nullptr, size);
    EXPECT_TRUE(stored);
    EXPECT_EQ(size, 0u);
}

// Every write creates the key path when it is missing and stores exactly the
// type and bytes its contract names.
TEST_F(Registry, WritesStoreTheirTypeAndSize) {
    const uint8_t bookmarks[] = {3, 0, 0, 0, 12, 0};
    const struct {
        const char* label;
        int (*write)(const uint8_t*);
        const wchar_t* name;
        DWORD type;
        std::vector<uint8_t> data;
    } cases[] = {
        {"integer", [](const uint8_t*) { return RegWriteInt(u"FontSize", -5); }, L"FontSize", REG_DWORD,
         {0xFB, 0xFF, 0xFF, 0xFF}},
        {"string", [](const uint8_t*) { return RegWriteString(u"FontName", u"Ezra SIL"); }, L"FontName", REG_SZ,
         {'E', 0, 'z', 0, 'r', 0, 'a', 0, ' ', 0, 'S', 0, 'I', 0, 'L', 0, 0, 0}},
        {"Hebrew string", [](const uint8_t*) { return RegWriteString(u"FontName", u"\u05D0"); }, L"FontName",
         REG_SZ, {0xD0, 0x05, 0, 0}},
        {"empty string", [](const uint8_t*) { return RegWriteString(u"FontName", u""); }, L"FontName", REG_SZ,
         {0, 0}},
        {"byte string", [](const uint8_t*) { return RegWriteByteString(u"SearchString", "ab\xE0"); },
         L"SearchString", REG_BINARY, {'a', 'b', 0xE0, 0}},
        {"bytes", [](const uint8_t* data) { return RegWriteBytes(u"Bookmarks", data, 6); }, L"Bookmarks",
         REG_BINARY, {3, 0, 0, 0, 12, 0}},
        {"no bytes", [](const uint8_t* data) { return RegWriteBytes(u"Bookmarks", data, 0); }, L"Bookmarks",
         REG_BINARY, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(ClearProgramKeys());
        EXPECT_EQ(c.write(bookmarks), 1);
        EXPECT_EQ(ValueType(c.name), c.type);
        EXPECT_EQ(ReadData(c.name), c.data);
    }
}

TEST_F(Registry, WriteReplacesAValueOfAnotherType) {
    WriteString(L"FontSize", L"25");
    EXPECT_EQ(RegWriteInt(u"FontSize", 30), 1);
    EXPECT_EQ(ReadDword(L"FontSize"), 30u);
}

TEST_F(Registry, RefusedWriteReturnsZero) {
    // Value names are limited to 16383 characters.
    const std::u16string longName(20000, u'n');
    EXPECT_EQ(RegWriteInt(longName.c_str(), 1), 0);
}
