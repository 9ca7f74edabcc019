// The marks layer's bytes. Every letter of the text has an entry, most of
// them a single zero; the mark bytes stay below 0x80, so that the block's
// compression stores each as itself or inside a back-reference.
#include "store/mark_layer.h"

#include <algorithm>
#include <stdexcept>

#include "store/article_records.h"
#include "store/article_text.h"
#include "store/hebrew_marks.h"

namespace {

constexpr size_t kHeaderSize = 8;
constexpr uint8_t kNoMarks = 0x00;
constexpr uint8_t kCountBase = 0x0C;  // 0x0E..0x10: two to four marks follow
constexpr uint8_t kMarkBase = 0x10;   // 0x11..0x7B: a mark
constexpr uint8_t kBeforeStep = 0x24;
constexpr int kMarkIds = 35;

// 1..31 for the accents U+0591..U+05AF, then meteg, rafe, upper and lower dot.
int MarkId(char16_t mark) {
    if (mark >= 0x0591 && mark <= 0x05AF) return mark - 0x0590;
    switch (mark) {
    case 0x05BD: return 32;
    case 0x05BF: return 33;
    case 0x05C4: return 34;
    case 0x05C5: return 35;
    }
    return 0;
}

char16_t MarkOfId(int id) {
    static constexpr char16_t kAfterAccents[] = {0x05BD, 0x05BF, 0x05C4, 0x05C5};
    return id <= 31 ? static_cast<char16_t>(0x0590 + id) : kAfterAccents[id - 32];
}

uint8_t MarkByte(const LayerMark& mark) {
    const int id = MarkId(mark.mark);
    if (id == 0 || mark.before > kMaxMarksBefore) throw std::invalid_argument("not a mark of the layer");
    return static_cast<uint8_t>(kMarkBase + id + kBeforeStep * mark.before);
}

bool ReadMarkByte(uint8_t byte, LayerMark& mark) {
    if (byte <= kMarkBase) return false;
    const int value = byte - kMarkBase - 1;
    if (value >= kBeforeStep * (kMaxMarksBefore + 1) || value % kBeforeStep >= kMarkIds) return false;
    mark = LayerMark{MarkOfId(value % kBeforeStep + 1), static_cast<uint8_t>(value / kBeforeStep)};
    return true;
}

// Calls visit with the position of every letter code of the text records.
template <typename Visit>
void ForEachLetter(const ArticleText& text, Visit visit) {
    ArticleRecord record;
    for (size_t pos = 0; ReadRecord(text, pos, record); pos = record.next) {
        if (IsRuleRecord(record.attr)) continue;
        for (size_t i = record.textPos; i < record.textPos + record.length && i < text.size(); ++i) {
            if (IsLetterCode(text[i])) visit(i);
        }
    }
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t GetBigEndian(const uint8_t* data, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = (value << 8) | data[i];
    return value;
}

void PutEntry(std::vector<uint8_t>& out, const LetterMarks& letter) {
    if (letter.count == 0 || letter.count > kMaxLayerMarks) throw std::invalid_argument("an entry of 1 to 4 marks");
    if (letter.count > 1) out.push_back(static_cast<uint8_t>(kCountBase + letter.count));
    for (int i = 0; i < letter.count; ++i) out.push_back(MarkByte(letter.marks[i]));
}

// Reads the entry at data[at]; false when it is malformed or cut short.
bool ReadEntry(const uint8_t* data, size_t size, size_t& at, LetterMarks& letter) {
    const uint8_t first = data[at++];
    int count = 1;
    if (first > kCountBase + 1 && first <= kCountBase + kMaxLayerMarks) {
        count = first - kCountBase;
    } else {
        --at;
    }
    if (size - at < static_cast<size_t>(count)) return false;
    letter.count = static_cast<uint8_t>(count);
    for (int i = 0; i < count; ++i) {
        if (!ReadMarkByte(data[at++], letter.marks[i])) return false;
    }
    return true;
}

}  // namespace

uint32_t TextChecksum(const uint8_t* text, size_t length) {
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < length; ++i) hash = (hash ^ text[i]) * 16777619u;
    return hash;
}

std::vector<uint8_t> WriteMarkLayer(const ArticleText& text, size_t textLength, const std::vector<LetterMarks>& letters) {
    std::vector<uint8_t> out;
    PutBigEndian(out, static_cast<uint32_t>(textLength), 2);
    PutBigEndian(out, TextChecksum(text.data(), std::min(textLength, text.size())), 4);
    PutBigEndian(out, 0, 2);
    size_t next = 0;
    uint32_t count = 0;
    ForEachLetter(text, [&](size_t position) {
        ++count;
        if (next < letters.size() && letters[next].position == position) {
            PutEntry(out, letters[next++]);
        } else {
            out.push_back(kNoMarks);
        }
    });
    if (next != letters.size()) throw std::invalid_argument("marks of a position that is no letter, or out of order");
    out[6] = static_cast<uint8_t>(count >> 8);
    out[7] = static_cast<uint8_t>(count & 0xFF);
    return out;
}

bool ReadMarkLayer(const ArticleText& text, size_t textLength, const uint8_t* data, size_t size, MarkLayer& layer) {
    layer.letters.clear();
    if (size < kHeaderSize || textLength > text.size() || GetBigEndian(data, 2) != textLength ||
        GetBigEndian(data + 2, 4) != TextChecksum(text.data(), textLength)) {
        return false;
    }
    const uint32_t declared = GetBigEndian(data + 6, 2);
    size_t at = kHeaderSize;
    uint32_t count = 0;
    bool good = true;
    ForEachLetter(text, [&](size_t position) {
        ++count;
        if (!good || at >= size) {
            good = false;
            return;
        }
        if (data[at] == kNoMarks) {
            ++at;
            return;
        }
        LetterMarks letter;
        letter.position = static_cast<uint16_t>(position);
        good = ReadEntry(data, size, at, letter);
        if (good) layer.letters.push_back(letter);
    });
    if (!good || count != declared || at != size) {
        layer.letters.clear();
        return false;
    }
    return true;
}

const LetterMarks* FindLetterMarks(const MarkLayer& layer, size_t position) {
    const auto found = std::lower_bound(layer.letters.begin(), layer.letters.end(), position,
                                        [](const LetterMarks& letter, size_t at) { return letter.position < at; });
    return found != layer.letters.end() && found->position == position ? &*found : nullptr;
}
