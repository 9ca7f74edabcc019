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

std::vector<uint8_t> BytesOf(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes, bytes + size);
}

}  // namespace

TEST_F(Registry, IntegerReadsDwordAsStoredOrTheDefault) {
    EXPECT_EQ(RegReadIntAt(u"software\\Tarnwick", u"SurroundingGutter", 10), 10);
    WriteDword(L"Flags", 5);
    EXPECT_EQ(RegReadInt(u"FontSize", -7), -7);
    WriteDword(L"SurroundingGutter", 25, true);
    WriteDword(L"Lesson", 0xFFFFFFFF);
    EXPECT_EQ(RegReadIntAt(u"software\\Tarnwick", u"SurroundingGutter", 10), 25);
    EXPECT_EQ(RegReadInt(u"Lesson", 0), -1);
    // The maker's value is not one of the settings key.
    EXPECT_EQ(RegReadInt(u"SurroundingGutter", 10), 10);
}

// An integer of any type but REG_DWORD is read as UTF-16 units up to the first
// zero unit or the end of the whole units stored; a string takes every byte
// stored, whatever the type, and is always terminated after them.
TEST_F(Registry, IntegersAndStringsReadStoredUnits) {
    EXPECT_FALSE(RegReadString(u"FontName"));
    const struct { const char* label; DWORD type; std::vector<uint8_t> data; int32_t number; std::u16string text; }
        cases[] = {
            {"terminated", REG_SZ, {'2', 0, '5', 0, 0, 0}, 25, u"25"},
            {"no data", REG_SZ, {}, 0, u""},
            {"unterminated binary", REG_BINARY, {'7', 0, '3', 0}, 73, u"73"},
            {"odd size", REG_BINARY, {'3', 0, '4'}, 3, u"34"},
            {"one byte", REG_BINARY, {'9'}, 0, u"9"},
            {"expandable text", REG_EXPAND_SZ, {'4', 0, '0', 0, 0, 0}, 40, u"40"},
            {"DWORD", REG_DWORD, {'H', 0, 'i', 0}, 0x00690048, u"Hi"},
            {"Hebrew", REG_SZ, {0xD0, 0x05, 0xD1, 0x05}, (0x5D0 - 48) * 10 + 0x5D1 - 48, u"\u05D0\u05D1"},
        };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        WriteValue(L"FontName", c.type, c.data.data(), c.data.size());
        EXPECT_EQ(RegReadInt(u"FontName", -1), c.number);
        const OwnedBlock<char16_t> text = RegReadString(u"FontName");
        ASSERT_TRUE(text);
        EXPECT_EQ(std::u16string(text.get()), c.text);
    }
}

TEST_F(Registry, BytesComeBackAsStoredWithTheirSize) {
    EXPECT_FALSE(RegReadBytes(u"SearchString"));
    OwnedBlock<uint8_t> fallback(static_cast<uint8_t*>(AllocOrQuit(4)));
    const uint8_t* fallbackBlock = fallback.get();
    uint32_t size = 77;
    auto block = RegReadBytesSized(u"Bookmarks", std::move(fallback), size);
    EXPECT_EQ(block.get(), fallbackBlock);
    EXPECT_EQ(size, 77u);

    const std::vector<uint8_t> data = {5, 0, 9, 0xE0, 0, 7};
    WriteValue(L"Bookmarks", REG_BINARY, data.data(), data.size());
    EXPECT_EQ(BytesOf(RegReadBytes(u"Bookmarks").get(), data.size()), data);
    block = RegReadBytesSized(u"Bookmarks", std::move(block), size);
    ASSERT_EQ(size, data.size());
    EXPECT_EQ(BytesOf(block.get(), size), data);

    WriteValue(L"Bookmarks", REG_BINARY, data.data(), 0);
    EXPECT_TRUE(RegReadBytesSized(u"Bookmarks", nullptr, size));
    EXPECT_EQ(size, 0u);
}

// Every write creates the key path when it is missing, replaces a value of
// another type and stores exactly the type and bytes its contract names.
TEST_F(Registry, WritesStoreTheirTypeAndSize) {
    static const uint8_t kBookmarks[] = {3, 0, 0, 0, 12, 0};
    const struct { const char* label; int (*write)(); const wchar_t* name; DWORD type; std::vector<uint8_t> data; }
        cases[] = {
            {"integer", [] { return RegWriteInt(u"FontSize", -5); }, L"FontSize", REG_DWORD, {0xFB, 0xFF, 0xFF, 0xFF}},
            {"string", [] { return RegWriteString(u"FontName", u"Ezra"); }, L"FontName", REG_SZ,
             {'E', 0, 'z', 0, 'r', 0, 'a', 0, 0, 0}},
            {"Hebrew string", [] { return RegWriteString(u"FontName", u"\u05D0"); }, L"FontName", REG_SZ,
             {0xD0, 0x05, 0, 0}},
            {"empty string", [] { return RegWriteString(u"FontName", u""); }, L"FontName", REG_SZ, {0, 0}},
            {"byte string", [] { return RegWriteByteString(u"SearchString", "ab\xE0"); }, L"SearchString",
             REG_BINARY, {'a', 'b', 0xE0, 0}},
            {"bytes", [] { return RegWriteBytes(u"Bookmarks", kBookmarks, 6); }, L"Bookmarks", REG_BINARY,
             {3, 0, 0, 0, 12, 0}},
            {"no bytes", [] { return RegWriteBytes(u"Bookmarks", kBookmarks, 0); }, L"Bookmarks", REG_BINARY, {}},
        };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(ClearProgramKeys());
        EXPECT_EQ(c.write(), 1);
        EXPECT_EQ(ValueType(c.name), c.type);
        EXPECT_EQ(ReadData(c.name), c.data);
    }
    WriteString(L"FontSize", L"25");
    EXPECT_EQ(RegWriteInt(u"FontSize", 30), 1);
    EXPECT_EQ(ReadDword(L"FontSize"), 30u);
    // Value names are limited to 16383 characters.
    EXPECT_EQ(RegWriteInt(std::u16string(20000, u'n').c_str(), 1), 0);
}
