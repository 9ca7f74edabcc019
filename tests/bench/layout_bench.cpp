// Times the portable layout of the largest article natively: the block is
// read from the generated library, expanded with UnCompress and laid out at
// 600 px over the test measurer's fixed widths, many times in a row.
//
//   layout_bench [GENERATED_DIR] [RUNS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/bench/article_blocks.h"
#include "tests/bench/bench_stats.h"
#include "tests/view/view_test_support.h"
#include "view/layout.h"

namespace {

constexpr int kLargestArticle = 35;
constexpr int kBoxWidth = 600;
constexpr int kBoxHeight = 800;

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : VELMORA_GENERATED_DIR;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 1000;
    const std::string path = ArticleBlockPath(folder, kLargestArticle);
    const ArticleText text = DecodeBlock(ReadBlockFile(path));
    if (text.empty()) {
        std::fprintf(stderr, "cannot read or decode %s\n", path.c_str());
        return 1;
    }
    ViewState view = MakeView(0, 0, kBoxWidth, kBoxHeight);
    FakeMeasurer measurer;
    std::vector<double> millis;
    for (int run = 0; run < runs; ++run) {
        ArticleText copy = text;
        measurer.selected.clear();
        const auto start = std::chrono::steady_clock::now();
        const int result = LayoutArticle(&view, measurer, std::move(copy), true);
        millis.push_back(MillisSince(start));
        if (result != 0) {
            std::fprintf(stderr, "layout failed: %d\n", result);
            return 1;
        }
    }
    std::printf("# article %d: %zu bytes of text, %d rows at %d px (fixed-width measurer)\n", kLargestArticle,
                text.size(), view.totalRows, kBoxWidth);
    PrintSummary("layout, native -O2, fixed widths", millis);
    return 0;
}
