// Writes the starting corpora of the fuzzers into sub-folders of the folder
// named on the command line: blocks made by the encoder from small texts that
// use every kind of unit for the decoders, the plain texts for the layout
// (after two bytes of box size), and a small index for the index rows.
#include "store/article_index.h"
#include "tools/encoder/block_encoder.h"

#include <filesystem>

#include <cstdio>
#include <fstream>
#include <string>
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
    if (!written) std::fprintf(stderr, "could not write the seeds into %s\n", argv[1]);
    return written ? 0 : 1;
}
