// The marks layer of an article: for every letter of its text, in stored
// order, the marks that the article codes cannot express (the accents, meteg,
// the dots above and below), in the order the Codex writes them. Each article
// has its layer in a resource of its own, in the articles' block format, with
// the length and a checksum of the text it belongs to; a layer that does not
// match its text is not used.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/compression.h"

// Article n's layer is the RCDATA resource 2000 + n, loaded as article 1000 + n.
constexpr int kMarkLayerResourceBase = 2000;
constexpr int kMarkLayerArticleOffset = kMarkLayerResourceBase - kArticleResourceBase;

constexpr int kMaxLayerMarks = 4;
constexpr int kMaxMarksBefore = 2;

// A mark of the layer, and how many of the marks its letter's code expresses
// come after it in the Codex (0: after all of them).
struct LayerMark {
    char16_t mark = 0;
    uint8_t before = 0;
    bool operator==(const LayerMark&) const = default;
};

// The layer marks of one letter, at the position of its code in the text.
struct LetterMarks {
    uint16_t position = 0;
    uint8_t count = 0;
    LayerMark marks[kMaxLayerMarks] = {};
    bool operator==(const LetterMarks&) const = default;
};

// The letters that carry layer marks, by position.
struct MarkLayer {
    std::vector<LetterMarks> letters;
};

// FNV-1a over the text's first length bytes.
uint32_t TextChecksum(const uint8_t* text, size_t length);

// The layer of a text of textLength bytes (the decoded text less the
// decoder's zero and spare byte) with the marks of letters (by position):
// text length, checksum and letter count (big-endian 16, 32 and 16 bits),
// then one entry per letter of the text records: 0, or a mark, or a count of
// 2 to 4 and that many marks, a mark being one byte below 0x80. Throws
// std::invalid_argument when an entry names no letter, is out of order, holds
// no mark, more than four, a mark outside the layer or one before more than
// two expressed marks.
std::vector<uint8_t> WriteMarkLayer(const ArticleText& text, size_t textLength, const std::vector<LetterMarks>& letters);

// Reads a layer's bytes for the text. False, with the layer left empty, when
// they belong to another text (length, checksum or letter count differ) or
// are malformed: an unknown byte, an entry cut short or bytes left over.
bool ReadMarkLayer(const ArticleText& text, size_t textLength, const uint8_t* data, size_t size, MarkLayer& layer);

// The marks of the letter at position, or none.
const LetterMarks* FindLetterMarks(const MarkLayer& layer, size_t position);
