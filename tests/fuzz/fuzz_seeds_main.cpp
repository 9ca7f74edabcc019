// Writes the starting corpora of the fuzzers into sub-folders of the folder
// named on the command line: blocks made by the encoder from small texts that
// use every kind of unit for the decoders, the plain texts for the layout
// (after two bytes of box size), a small index for the index rows, and for
// the readers of outside data small inputs in the shapes the program meets.
#include "dialogs/search_match.h"
#include "store/article_index.h"
#include "tests/dialogs/shared_offsets_gpos.h"
#include "tools/encoder/block_encoder.h"

#include <filesystem>

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// A few paragraph records of Hebrew codes: attribute byte, layout byte, words
// with vowel points, spaces, a zero byte; a zero attribute byte at the end.
Bytes ArticleSample(int records) {
    const Bytes words[] = {{0x62, 0x1B, 0x78, 0x16, 0x61, 0x1D}, {0x61, 0x1B, 0x6C, 0x1F, 0x65, 0x15, 0x6D},
                           {0x61, 0x1B, 0x77}, {0x4B, 0x1B, 0x6E, 0x1F, 0x75, 0x15, 0x6D}, {0x79, 0x41, 0x6F}};
    Bytes text;
    for (int r = 0; r < records; ++r) {
        text.insert(text.end(), {static_cast<uint8_t>(r == 0 ? 0xD1 : 0xB1), 0x80});
        for (int w = 0; w < 7 + r % 5; ++w) {
            const Bytes& word = words[(w * 3 + r) % 5];
            text.insert(text.end(), word.begin(), word.end());
            text.push_back(0x20);
        }
        text.back() = 0x00;
    }
    text.push_back(0x00);
    return text;
}

bool WriteFile(const std::string& folder, const std::string& name, const Bytes& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// The same text as a block for both decoders and, behind a box of 90 x 60,
// as an article for the layout.
bool WriteSeed(const std::string& folder, const std::string& name, const Bytes& text) {
    const Bytes block = EncodeBlock(text, 1, 1);
    Bytes article{30, 30};
    article.insert(article.end(), text.begin(), text.end());
    return WriteFile(folder + "/uncompress_fuzzer", name, block) &&
           WriteFile(folder + "/uncompress_round_trip_fuzzer", name, block) &&
           WriteFile(folder + "/layout_fuzzer", name, article);
}

Bytes IndexSample() {
    Bytes index;
    AppendIndexRow(index, HeadingRowId(1), 0xC4, 0, {0x61, 0x62, 0x20, 0x63});
    AppendIndexRow(index, ArticleRowId(1), 0x81, 1, {0x64, 0x1B, 0x65});
    AppendIndexRow(index, ArticleRowId(2), 0x01, 1, {0x66});
    AppendIndexEnd(index);
    return index;
}

// Two bytes of size, little-endian, then the bytes.
Bytes Sized(const Bytes& bytes) {
    Bytes sized{static_cast<uint8_t>(bytes.size() & 0xFF), static_cast<uint8_t>(bytes.size() >> 8)};
    sized.insert(sized.end(), bytes.begin(), bytes.end());
    return sized;
}

Bytes Concat(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// UTF-16 units, little-endian.
Bytes UnitBytes(std::u16string_view units) {
    Bytes bytes;
    for (const char16_t unit : units) {
        bytes.insert(bytes.end(), {static_cast<uint8_t>(unit), static_cast<uint8_t>(unit >> 8)});
    }
    return bytes;
}

Bytes TextBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

// The stored "Bookmarks" value (with its size), then the small index, which
// has rows for articles 1 and 2.
bool WriteBookmarkSeeds(const std::string& folder) {
    const struct { const char* name; Bytes stored; } seeds[] = {
        {"two-found-one-not", {1, 0, 12, 0, 2, 0, 0, 0}},
        {"repeats-and-zeros", {2, 0, 0, 0, 2, 0, 1, 0, 0, 0}},
        {"no-terminator-odd-size", {1, 0, 2, 0, 7}},
        {"empty-list", {0, 0}},
        {"only-zero-entries", {0, 0, 0, 0, 0, 0}},
        {"no-value", {}},
    };
    bool written = true;
    for (const auto& seed : seeds) {
        written = WriteFile(folder, seed.name, Concat(Sized(seed.stored), IndexSample())) && written;
    }
    return written;
}

// Pattern length, scan start pick, the pattern in storage order, then an
// article whose words the patterns find (points left out, wildcards in).
bool WriteSearchSeeds(const std::string& folder) {
    const struct { const char* name; Bytes pattern; } seeds[] = {
        {"word", {0x62, 0x78, 0x61}},
        {"one-wildcard", {0x62, kWildOne, 0x61}},
        {"run-wildcard", {0x62, kWildRun, 0x61}},
        {"run-read-last", {kWildRun, 0x78, 0x61}},
        {"wildcard-read-first", {0x61, kWildOne}},
        {"vowel-point", {0x16}},
        {"across-words", {0x6C, 0x20, 0x77}},
        {"all-runs", Bytes(33, kWildRun)},
    };
    bool written = true;
    for (const auto& seed : seeds) {
        Bytes input{static_cast<uint8_t>(seed.pattern.size()), 7};
        input = Concat(Concat(input, seed.pattern), ArticleSample(3));
        written = WriteFile(folder, seed.name, input) && written;
    }
    return written;
}

// Format (1: Unicode text, 0: Rich Text), the old block with its size, then
// the new export text.
bool WriteClipboardSeeds(const std::string& folder) {
    const Bytes exportText = UnitBytes(u"\u05D0\u05B8 1  {x}\\\r\n\r\n\uFB2C\uFB1D9");
    const struct { const char* name; uint8_t format; Bytes block; } seeds[] = {
        {"unicode-two-letters", 1, Concat(UnitBytes(u"\u05D0\u05D1"), {0, 0, 'x', 0})},
        {"unicode-odd-size", 1, {'a', 0, 'b'}},
        {"rtf-closed", 0, TextBytes(std::string_view("{\\rtf1 old}\r\n\0junk", 18))},
        {"rtf-nested-groups", 0, TextBytes("{\\rtf1 {\\b old}} \t")},
        {"rtf-unclosed", 0, TextBytes("{\\rtf1\\uc1 old\\u1488")},
        {"not-rtf", 0, TextBytes("plain text}")},
        {"rtf-cut-inside-escape", 0, TextBytes("{\\rtf1 o{\\f1\\")},
        {"rtf-escaped-last-brace", 0, TextBytes("{\\rtf1 old\\}\r\n")},
        {"no-old-block", 0, {}},
    };
    bool written = true;
    for (const auto& seed : seeds) {
        const Bytes input = Concat(Concat(Bytes{seed.format}, Sized(seed.block)), exportText);
        written = WriteFile(folder, seed.name, input) && written;
    }
    return written;
}

// A device mode record of blockSize bytes: the name, dmSize and dmDriverExtra.
Bytes DevMode(std::u16string_view name, uint16_t recordSize, uint16_t driverExtra, size_t blockSize) {
    Bytes block(blockSize, 0x11);
    const Bytes nameBytes = UnitBytes(name);
    std::copy(nameBytes.begin(), nameBytes.end(), block.begin());
    if (name.size() < 32) block[2 * name.size()] = block[2 * name.size() + 1] = 0;
    block[68] = static_cast<uint8_t>(recordSize), block[69] = static_cast<uint8_t>(recordSize >> 8);
    block[70] = static_cast<uint8_t>(driverExtra), block[71] = static_cast<uint8_t>(driverExtra >> 8);
    return block;
}

bool WriteDevModeSeeds(const std::string& folder) {
    const std::u16string longName(32, u'P');
    return WriteFile(folder, "whole", DevMode(u"VelmoraPDF", 220, 0, 220)) &&
           WriteFile(folder, "driver-data", DevMode(u"VelmoraPDF", 220, 100, 320)) &&
           WriteFile(folder, "driver-data-cut", DevMode(u"VelmoraPDF", 220, 100, 319)) &&
           WriteFile(folder, "longest-name", DevMode(longName.substr(0, 31), 220, 0, 220)) &&
           WriteFile(folder, "name-without-end", DevMode(longName, 220, 0, 220)) &&
           WriteFile(folder, "fixed-fields-only", DevMode(u"P", 76, 0, 76));
}

// Stored search texts: Aaron as typed, wildcards and brackets, the codes that
// show as two characters or as presentation forms, and bytes above the codes.
bool WriteSearchTextSeeds(const std::string& folder) {
    return WriteFile(folder, "aaron", Bytes{'p', 'y', 'e', 'a'}) &&
           WriteFile(folder, "wildcards-and-brackets", Bytes{'(', 'a', '?', '*', 'b', ')', ' ', ' ', 'c'}) &&
           WriteFile(folder, "pairs-and-forms", Bytes{0x10, 0x11, 0x14, 0x41, 0x59, 0x5A, 0x16, 0x61}) &&
           WriteFile(folder, "high-bytes", Bytes{0x7C, 0x7F, 0xE0, 0xFA, 0xFF, 0x01});
}

// The registry type, then the stored data.
bool WriteRegistryValueSeeds(const std::string& folder) {
    constexpr uint8_t kDword = 4, kText = 1, kBinary = 3, kQword = 11;
    const struct { const char* name; uint8_t type; Bytes data; } seeds[] = {
        {"dword-flags", kDword, {0x40, 0x00, 0x14, 0xD1}},
        {"dword-short", kDword, {0x19, 0x00}},
        {"dword-too-long", kDword, {1, 2, 3, 4, 5}},
        {"text-number", kText, UnitBytes(std::u16string_view(u"25", 3))},
        {"text-flags-decimal", kText, UnitBytes(u"3507748928")},
        {"binary-odd-size", kBinary, {'3', 0, '4'}},
        {"qword-as-text", kQword, {'4', 0, '2', 0, 0, 0, 0, 0}},
        {"font-name", kText, UnitBytes(std::u16string_view(u"Ezra SIL", 9))},
        {"font-name-too-long", kText, UnitBytes(std::u16string(40, u'F'))},
    };
    bool written = true;
    for (const auto& seed : seeds) {
        written = WriteFile(folder, seed.name, Concat(Bytes{seed.type}, seed.data)) && written;
    }
    return written;
}

// A GPOS table whose Latin script's one feature names a mark-to-mark lookup
// of glyphs 102 to 104, the same lookup behind an extension lookup, and one
// whose offsets all point at one lookup and one subtable.
bool WriteMarkGlyphSeeds(const std::string& folder) {
    const Bytes head{0, 1, 0, 0, 0, 10, 0, 30, 0, 44, 0, 1, 'l', 'a', 't', 'n', 0, 8, 0, 4, 0, 0,
                     0, 0, 0xFF, 0xFF, 0, 1, 0, 0, 0, 1, 'm', 'k', 'm', 'k', 0, 8, 0, 0, 0, 1, 0, 0, 0, 1, 0, 4};
    const Bytes markToMark{0, 1, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 1, 0, 102, 0, 104, 0, 0};
    const Bytes extension{0, 1, 0, 6, 0, 0, 0, 8};
    return WriteFile(folder, "mark-to-mark", Concat(Concat(head, Bytes{0, 6, 0, 0, 0, 1, 0, 8}), markToMark)) &&
           WriteFile(folder, "extension",
                     Concat(Concat(Concat(head, Bytes{0, 9, 0, 0, 0, 1, 0, 8}), extension), markToMark)) &&
           WriteFile(folder, "shared-offsets", SharedOffsetsGpos(300, 300, 300));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    Bytes everyValue;
    for (int b = 0; b < 256; ++b) everyValue.push_back(static_cast<uint8_t>(b));
    Bytes spacePairs;
    for (int b = 0x40; b < 0x80; ++b) spacePairs.insert(spacePairs.end(), {0x20, static_cast<uint8_t>(b)});
    const std::string folder = argv[1];
    bool written = WriteSeed(folder, "one-byte", Bytes{0xD1});
    written = WriteSeed(folder, "every-value", everyValue) && written;
    written = WriteSeed(folder, "space-pairs", spacePairs) && written;
    written = WriteSeed(folder, "long-run", Bytes(3000, 0x00)) && written;
    written = WriteSeed(folder, "article-short", ArticleSample(3)) && written;
    written = WriteSeed(folder, "article-long", ArticleSample(60)) && written;
    written = WriteFile(folder + "/index_fuzzer", "three-rows", IndexSample()) && written;
    written = WriteBookmarkSeeds(folder + "/bookmark_fuzzer") && written;
    written = WriteSearchSeeds(folder + "/search_match_fuzzer") && written;
    written = WriteClipboardSeeds(folder + "/clipboard_fuzzer") && written;
    written = WriteDevModeSeeds(folder + "/devmode_fuzzer") && written;
    written = WriteRegistryValueSeeds(folder + "/registry_value_fuzzer") && written;
    written = WriteSearchTextSeeds(folder + "/search_text_fuzzer") && written;
    written = WriteMarkGlyphSeeds(folder + "/mark_glyphs_fuzzer") && written;
    if (!written) std::fprintf(stderr, "could not write the seeds into %s\n", argv[1]);
    return written ? 0 : 1;
}
