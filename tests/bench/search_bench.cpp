// Times a library search that finds nothing natively: the 57 article blocks
// are held in memory, and each run expands all of them with UnCompress and
// scans each with FindInText, beside a run that only expands them, so that
// the cost of matching shows against the cost of decoding in one run.
//
//   search_bench [GENERATED_DIR] [RUNS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dialogs/search_match.h"
#include "tests/bench/article_blocks.h"
#include "tests/bench/bench_stats.h"

namespace {

using Block = std::vector<uint8_t>;

// Alef and four tavs, stored in visual order: alef, the most common lead,
// makes the matcher try a start at every alef of the library.
const uint8_t kMiss[] = {'{', '{', '{', '{', 'a'};

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : VELMORA_GENERATED_DIR;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 200;
    std::vector<Block> blocks;
    for (int n = 1; n <= kArticleCount; ++n) {
        blocks.push_back(ReadBlockFile(ArticleBlockPath(folder, n)));
        if (DecodeBlock(blocks.back()).empty()) {
            std::fprintf(stderr, "cannot decode article %d\n", n);
            return 1;
        }
    }
    std::vector<double> decodeOnly, search;
    size_t bytes = 0;
    for (int run = 0; run < runs; ++run) {
        auto start = std::chrono::steady_clock::now();
        for (const Block& block : blocks) bytes += DecodeBlock(block).size();
        decodeOnly.push_back(MillisSince(start));
        start = std::chrono::steady_clock::now();
        for (const Block& block : blocks) {
            if (FindInText(DecodeBlock(block), {}, kMiss, sizeof(kMiss)).offset != 0) {
                std::fprintf(stderr, "the miss was found\n");
                return 1;
            }
        }
        search.push_back(MillisSince(start));
    }
    std::printf("# 57 articles, %zu bytes of text\n", bytes / static_cast<size_t>(runs));
    PrintSummary("decode 57 articles, native -O2", decodeOnly);
    PrintSummary("decode and search 57 articles (a miss)", search);
    std::printf("# search / decode (medians): %.2f\n", Summarize(search).median / Summarize(decodeOnly).median);
    return 0;
}
