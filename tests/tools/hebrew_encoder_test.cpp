#include "tools/library/hebrew_encoder.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tools/library/utf8.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Stored(std::u32string_view text, DropReport& report) {
    return ToVisualOrder(EncodePlainHebrew(text, "Test.1.1", report));
}

}  // namespace

// Expected codes are written out from the code table, in stored (visual) order.
// A mark without a code keeps its letter and is reported.
TEST(HebrewEncoder, TrickyWordsAreStoredInVisualOrder) {
    const struct {
        const char* name;
        std::u32string text;
        Bytes stored;
        const char* inexpressible = nullptr;
    } cases[] = {
        {"shalom: shin dot, lamed, vav with holam", U"\u05E9\u05C1\u05B8\u05DC\u05D5\u05B9\u05DD", {0x6E, 0x58, 0x6D, 0x16, 0x41}},
        {"sin dot", U"\u05E9\u05C2\u05B8\u05D3\u05B6\u05D4", {0x65, 0x19, 0x64, 0x16, 0x42}},
        {"dagesh then shin dot", U"\u05D4\u05B7\u05E9\u05BC\u05C1\u05B8\u05DE", {0x6F, 0x16, 0x43, 0x17, 0x65}},
        {"shin dot then dagesh", U"\u05D4\u05B7\u05E9\u05C1\u05BC\u05B8\u05DE", {0x6F, 0x16, 0x43, 0x17, 0x65}},
        {"sin with dagesh, undotted shin", U"\u05D9\u05B4\u05E9\u05BC\u05C2\u05B8\u05E9\u05DB\u05B8\u05E8",
         {0x79, 0x16, 0x6C, 0x7A, 0x16, 0x44, 0x15, 0x6A}},
        {"shin with dagesh, no dot", U"\u05E9\u05BC", {0x56}},
        {"final kaf with qamats", U"\u05DC\u05B0\u05DA\u05B8", {0x10, 0x1B, 0x6D}},
        {"final kaf with dagesh and qamats", U"\u05DA\u05BC\u05B8", {0x11}},
        {"final kaf with sheva", U"\u05DE\u05B6\u05DC\u05B6\u05DA\u05B0", {0x12, 0x19, 0x6D, 0x19, 0x6F}},
        {"final kaf with dagesh and sheva", U"\u05DA\u05BC\u05B0", {0x13}},
        {"final kaf with dagesh only", U"\u05DA\u05BC", {0x4D}},
        {"final kaf with patah", U"\u05DA\u05B7", {0x17, 0x6B}},
        {"lamed with holam", U"\u05DC\u05B9\u05D0", {0x61, 0x5A}},
        {"lamed with dagesh and holam", U"\u05DC\u05BC\u05B9", {0x59}},
        {"vav with holam", U"\u05D0\u05D5\u05B9\u05E8", {0x79, 0x58, 0x61}},
        {"holam haser for vav", U"\u05DE\u05B4\u05E6\u05B0\u05D5\u05BA\u05EA", {0x7B, 0x58, 0x1B, 0x77, 0x15, 0x6F}},
        {"shuruk", U"\u05D5\u05BC", {0x49}},
        {"vav with dagesh and holam", U"\u05D5\u05BC\u05B9", {0x1F, 0x49}},
        {"resh with dagesh, he with mapiq", U"\u05E8\u05BC\u05D4\u05BC", {0x48, 0x14}},
        {"qamats qatan", U"\u05DB\u05BC\u05C7\u05DC", {0x6D, 0x16, 0x4E}},
        {"cantillation and meteg dropped", U"\u05D1\u05BC\u05B0\u05E8\u05B5\u05D0\u05E9\u05C1\u05B4\u0596\u05D9\u05BD\u05EA",
         {0x7B, 0x6A, 0x15, 0x41, 0x61, 0x18, 0x79, 0x1B, 0x45}},
        {"maqaf, sof pasuq, paseq", U"\u05E2\u05B7\u05DC\u05BE\u05D1\u05BC\u05B5\u05D9\u05EA\u05C3 \u05C0", {'|', ' ', ':', 0x7B, 0x6A, 0x18, 0x45, '-', 0x6D, 0x17, 0x73}},
        {"ASCII maqaf and sof pasuq", U"\u05D0-\u05D1:", {':', 0x62, '-', 0x61}},
        {"nun hafukha dropped", U"\u05D0 \u05C6", {' ', 0x61}},
        {"verse number in brackets", U"(\u05D0)", {'(', 0x61, ')'}},
        {"two-letter verse number", U"(\u05D9\u05D0) \u05D1", {0x62, ' ', '(', 0x61, 0x6A, ')'}},
        {"square brackets", U"[\u05D0\u05D1]", {'[', 0x62, 0x61, ']'}},
        {"alef with dagesh", U"\u05D9\u05D0\u05BC\u05D5\u05BC", {0x49, 0x61, 0x6A}, "U+05BC on U+05D0"},
        {"final pe with dagesh and qamats", U"\u05E3\u05BC\u05B8", {0x16, 0x74}, "U+05BC on U+05E3"},
        {"het with dagesh", U"\u05D7\u05BC", {0x68}, "U+05BC on U+05D7"},
        {"shin dot on a samekh", U"\u05E1\u05C1", {0x72}, "U+05C1 on U+05E1"},
        {"point without a letter", U" \u05B8", {' '}, "U+05B8 on no letter"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DropReport report;
        EXPECT_EQ(Stored(c.text, report), c.stored);
        if (c.inexpressible == nullptr) {
            EXPECT_TRUE(report.inexpressible.empty());
            continue;
        }
        ASSERT_EQ(report.inexpressible.size(), 1u);
        EXPECT_EQ(report.inexpressible[0].where, "Test.1.1");
        EXPECT_EQ(report.inexpressible[0].word, EncodeUtf8(c.text));
        EXPECT_EQ(report.inexpressible[0].what.rfind(c.inexpressible, 0), 0u) << report.inexpressible[0].what;
    }
}

TEST(HebrewEncoder, DroppedMarksAreCountedByKind) {
    DropReport report;
    Stored(U"\u05D1\u0591\u05B0\u05BD\u05D0\u05C4\u05AF\u05D1\u05BF\u05D5\u05BA \u05C6\u05DB\u05C7", report);
    EXPECT_EQ(report.droppedMarks["cantillation (U+0591..U+05AF)"], 2);
    EXPECT_EQ(report.droppedMarks["meteg (U+05BD)"], 1);
    EXPECT_EQ(report.droppedMarks["upper dot (U+05C4)"], 1);
    EXPECT_EQ(report.droppedMarks["rafe (U+05BF)"], 1);
    EXPECT_EQ(report.droppedMarks["nun hafukha (U+05C6)"], 1);
    EXPECT_EQ(report.substitutions["holam haser for vav (U+05BA) coded as holam"], 1);
    EXPECT_EQ(report.substitutions["qamats qatan (U+05C7) coded as qamats"], 1);
    EXPECT_TRUE(report.inexpressible.empty());
}

TEST(HebrewEncoder, CharactersWithoutACodeAreRefused) {
    for (std::u32string text : {U"\u05D0a", U"{", U"\u05D0\u2014", U"\uFB2A"}) {
        SCOPED_TRACE(EncodeUtf8(text));
        DropReport report;
        EXPECT_THROW(Stored(text, report), std::runtime_error);
    }
}
