// The chooser's list of typefaces: blocks of 25, an enumeration that stops
// cleanly when a block cannot be had, exact look-up and release.
#include "dialogs/font_list.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

int blocksGranted = 0;
int blocksLeft = 0;
int blocksReleased = 0;

void* Allocate(size_t bytes) {
    if (blocksLeft == 0) return nullptr;
    --blocksLeft;
    ++blocksGranted;
    return std::malloc(bytes);
}

void Release(void* block) {
    ++blocksReleased;
    std::free(block);
}

std::u16string FaceNumber(int n) { return u"Face " + std::u16string(1, static_cast<char16_t>(u'A' + n % 26)) + char16_t(u'0' + n / 26); }

// Appends faces until one is refused; the number appended.
int Fill(FontList& list, int faces, int blocks) {
    blocksGranted = blocksReleased = 0;
    blocksLeft = blocks;
    for (int n = 0; n < faces; ++n) {
        const std::u16string face = FaceNumber(n);
        if (!AppendFontEntry(list, face.c_str(), face.size() + 1, static_cast<uint8_t>(n), Allocate)) return n;
    }
    return faces;
}

}  // namespace

// Every block is released once, the list keeps the order of enumeration,
// and a refused block ends the list where it was.
TEST(FontList, EntriesComeInBlocksOf25AndStopWhenNoneCanBeHad) {
    const struct {
        int faces, blocks, appended, granted;
    } cases[] = {{0, 5, 0, 0}, {1, 5, 1, 1}, {25, 5, 25, 1}, {26, 5, 26, 2}, {60, 5, 60, 3}, {60, 1, 25, 1}, {3, 0, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.faces << " faces, " << c.blocks << " blocks");
        FontList list{};
        EXPECT_EQ(Fill(list, c.faces, c.blocks), c.appended);
        EXPECT_EQ(blocksGranted, c.granted);
        int count = 0;
        int marks = 0;
        for (const FontListEntry* entry = list.head; entry != nullptr; entry = entry->next, ++count) {
            EXPECT_EQ(std::u16string(entry->faceName), FaceNumber(count));
            EXPECT_EQ(entry->charset, count);
            marks += entry->blockStart;
        }
        EXPECT_EQ(count, c.appended);
        EXPECT_EQ(marks, c.granted);
        ReleaseFontEntries(list, Release);
        EXPECT_EQ(blocksReleased, c.granted);
        EXPECT_EQ(list.head, nullptr);
        ReleaseFontEntries(list, Release);
        EXPECT_EQ(blocksReleased, c.granted);
    }
}

// A typeface reported once per character set gets one entry, Hebrew when any
// of its reports is; a face for vertical writing gets none; the look-up is
// exact, and a reported name of 32 units with no terminator is cut to 31.
TEST(FontList, FacesReportedPerCharacterSetGetOneEntryFoundByItsExactName) {
    char16_t unterminated[32];
    for (char16_t& unit : unterminated) unit = u'z';
    const struct {
        const char16_t* face;
        uint8_t charset;
    } reports[] = {{u"@Droid Sans Fallback", 177}, {u"Ezra SIL", 0}, {u"Ezra SIL", 177}, {u"Ezra SIL SR", 0},
                   {u"Marlett", 2}, {u"Marlett", 0}, {unterminated, 0}};
    FontList list{};
    blocksLeft = 1;
    for (const auto& report : reports) ASSERT_TRUE(AddReportedFace(list, report.face, 32, report.charset, Allocate));
    const struct {
        std::u16string face;
        int index, charset;  // index -1: not found
    } cases[] = {{u"Ezra SIL", 0, 177}, {u"Ezra SIL SR", 1, 0}, {u"Marlett", 2, 2}, {std::u16string(31, u'z'), 3, 0},
                 {u"ezra sil", -1, 0},  {u"Ezra", -1, 0},      {u"", -1, 0}, {u"@Droid Sans Fallback", -1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.face));
        const FontListEntry* entry = FindFontEntry(list, c.face.c_str());
        EXPECT_EQ(entry == nullptr ? -1 : static_cast<int>(entry - list.head), c.index);
        if (entry != nullptr) {
            EXPECT_EQ(entry->charset, c.charset);
        }
    }
    EXPECT_EQ(list.tail - list.head, 3);
    ReleaseFontEntries(list, Release);
}

// A first start takes the first preferred face that is listed and draws the
// letters and the cantillation, else the first that draws the letters, else
// the first listed Hebrew face, else the first listed face that draws them,
// else none.
TEST(FontList, AFirstStartPrefersAFaceWithTheLetters) {
    const struct {
        const char* label;
        std::vector<std::pair<std::u16string, uint8_t>> faces;
        std::u16string drawing;  // the faces that draw the letters, one letter each: F, E, D, N
        std::u16string want;
        std::u16string showingMarks = u"";  // those that draw the cantillation too
    } cases[] = {
        {"the first preferred one with the cantillation", {{u"Frank Ruehl CLM", 177}, {u"Ezra SIL", 177}}, u"EF",
         u"Ezra SIL", u"E"},
        {"the first preferred one", {{u"Nimbus Roman", 0}, {u"Ezra SIL", 177}, {u"Frank Ruehl CLM", 177}}, u"EF",
         u"Frank Ruehl CLM"},
        {"a preferred one that draws them", {{u"Frank Ruehl CLM", 177}, {u"DejaVu Sans", 0}}, u"D", u"DejaVu Sans"},
        {"a Hebrew face", {{u"Nimbus Roman", 0}, {u"Miriam CLM", 177}}, u"", u"Miriam CLM"},
        {"any face that draws them", {{u"Nimbus Roman", 0}, {u"Noto Sans", 0}}, u"N", u"Noto Sans"},
        {"none", {{u"Nimbus Roman", 0}}, u"", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        FontList list{};
        blocksLeft = 1;
        for (const auto& [face, charset] : c.faces) AppendFontEntry(list, face.c_str(), face.size() + 1, charset, Allocate);
        const auto draws = [&](const char16_t* face) {
            const std::u16string name(face);
            const char16_t mark = name == u"Noto Sans" ? u'N' : name[0];
            return name != u"Nimbus Roman" && c.drawing.find(mark) != std::u16string::npos;
        };
        const auto shows = [&](const char16_t* face) { return c.showingMarks.find(face[0]) != std::u16string::npos; };
        EXPECT_EQ(FirstStartFace(list, draws, shows), c.want);
        ReleaseFontEntries(list, Release);
    }
}
