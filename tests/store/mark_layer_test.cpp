// The marks layer beside an article's text, and the text read back at the
// letters-only and cantillation levels.
#include "store/level_text.h"
#include "store/mark_layer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char16_t kTipcha = 0x0596, kMeteg = 0x05BD, kPashta = 0x0599, kMunah = 0x05A3;

// A heading and a body (reading order: bet, qamats; shin with its dot and dagesh;
// space; lamed with holam, patah). The attribute 0x52 is a letter code too.
ArticleText Text() {
    return {0x52, 0, 0x62, 0x61, 0,                          // heading: bet alef (stored)
            0xB1, 0, 0x17, 0x5A, ' ', 0x43, 0x16, 0x62, 0,  // body
            0, 0, 0};
}

LetterMarks Marks(uint16_t position, std::vector<LayerMark> marks) {
    LetterMarks letter;
    letter.position = position;
    for (const LayerMark& mark : marks) letter.marks[letter.count++] = mark;
    return letter;
}

std::vector<LetterMarks> SomeMarks() { return {Marks(10, {{kMeteg, 1}, {kTipcha, 0}}), Marks(12, {{kPashta, 0}})}; }

}  // namespace

// What is written is read back for its own text and for no other; a layer
// cut short, with bytes left over or with an unknown byte is not read.
TEST(MarkLayer, ReadsBackOnlyForItsOwnText) {
    const ArticleText text = Text();
    const std::vector<uint8_t> bytes = WriteMarkLayer(text, text.size(), SomeMarks());
    MarkLayer layer;
    ASSERT_TRUE(ReadMarkLayer(text, text.size(), bytes.data(), bytes.size(), layer));
    EXPECT_EQ(layer.letters, SomeMarks());

    ArticleText other = text;
    other[7] = 0x16;
    std::vector<uint8_t> unknown = bytes;
    unknown.back() = 0x7F;
    const struct {
        const char* label;
        ArticleText text;
        std::vector<uint8_t> bytes;
    } refused[] = {
        {"another text", other, bytes},
        {"cut short", text, std::vector<uint8_t>(bytes.begin(), bytes.end() - 1)},
        {"bytes left over", text, [&] { auto b = bytes; b.push_back(0); return b; }()},
        {"an unknown byte", text, unknown},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.label);
        layer.letters = SomeMarks();
        EXPECT_FALSE(ReadMarkLayer(c.text, c.text.size(), c.bytes.data(), c.bytes.size(), layer));
        EXPECT_TRUE(layer.letters.empty());
    }
    EXPECT_THROW(WriteMarkLayer(text, text.size(), {Marks(9, {{kTipcha, 0}})}), std::invalid_argument);
    EXPECT_THROW(WriteMarkLayer(text, text.size(), {Marks(10, {{0x05B8, 0}})}), std::invalid_argument);
}

// Letters alone drop every point, dagesh and dot; with cantillation each
// layer mark stands before as many expressed marks as it says.
TEST(LevelText, LevelsGiveTheLettersAloneOrEveryMarkInItsPlace) {
    const ArticleText text = Text();
    MarkLayer layer{{Marks(8, {{kMunah, 2}}), Marks(10, {{kMeteg, 1}, {kTipcha, 0}}), Marks(12, {{kPashta, 0}})}};
    const struct {
        TextLevel level;
        const MarkLayer* layer;
        std::u16string expected;
    } cases[] = {
        {TextLevel::kLettersOnly, &layer, u"בש ל"},
        {TextLevel::kCantillation, nullptr, u"בָשׁ\u05BC ל\u05B9\u05B7"},
        {TextLevel::kCantillation, &layer,
         u"ב\u05B8\u0599ש\u05C1\u05BD\u05BC\u0596 ל\u05A3\u05B9\u05B7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.level));
        std::u16string read;
        AppendTextAtLevel(text, 7, 6, true, c.level, c.layer, read);
        EXPECT_EQ(read, c.expected);
    }
}
