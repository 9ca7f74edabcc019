// Times the portable layout of the Choose Article window's list natively: the
// Article index from the generated library, expanded with UnCompress, with a
// bookmark group of all 57 articles in front of it, laid out at 457 px over
// the test measurer's fixed widths, many times in a row.
//
//   picker_layout_bench [GENERATED_DIR] [RUNS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dialogs/picker_list.h"
#include "tests/bench/article_blocks.h"
#include "tests/bench/bench_stats.h"
#include "tests/view/view_test_support.h"
#include "view/bookmark_list.h"

namespace {

constexpr int kBoxWidth = 457;
constexpr int kBoxHeight = 337;


}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : VELMORA_GENERATED_DIR;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 2000;
    const std::string path = folder + "/index_" + std::to_string(kIndexArticleNumber + kArticleResourceBase) + ".bin";
    BookmarkList bookmarks;
    for (int article = 1; article <= kArticleCount; ++article) AddBookmark(bookmarks, article);
    const ArticleText text = PrependBookmarkGroup(bookmarks, DecodeBlock(ReadBlockFile(path)));
    if (text.empty()) {
        std::fprintf(stderr, "cannot read or decode %s\n", path.c_str());
        return 1;
    }
    FakeMeasurer measurer;
    std::vector<double> millis;
    int rows = 0;
    for (int run = 0; run < runs; ++run) {
        PickerState state;
        state.width = kBoxWidth;
        state.height = kBoxHeight;
        const auto start = std::chrono::steady_clock::now();
        const int result = LayoutPickerRows(state, measurer, ArticleText(text));
        millis.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (result != 0) {
            std::fprintf(stderr, "layout failed: %d\n", result);
            return 1;
        }
        rows = state.rowCount;
    }
    std::printf("# index with 57 bookmarks: %zu bytes, %d rows at %d px (fixed-width measurer)\n", text.size(), rows,
                kBoxWidth);
    PrintSummary("picker layout, native -O2, fixed widths", millis);
    return 0;
}
