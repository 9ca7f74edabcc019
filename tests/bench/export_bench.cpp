// Times the export of the largest article natively, as Copy builds it: the
// export text and the Rich Text document for a Unicode font, and the export
// text for an 8-bit font (which goes to the clipboard as it is).
//
//   export_bench [GENERATED_DIR] [RUNS]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "output/clipboard_append.h"
#include "output/export_text.h"
#include "output/rich_text.h"
#include "settings/settings.h"
#include "tests/bench/article_blocks.h"
#include "tests/bench/bench_stats.h"

namespace {

constexpr int kLargestArticle = 35;

// Milliseconds of each run of one export; false when the text did not fit.
bool TimeExport(const ArticleText& text, int fontAsciiBase, int runs, std::vector<double>& millis, size_t& bytes) {
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const size_t size = ExportTextSize(text) * 2 + 2;
        std::vector<char16_t> buffer(size / 2);
        if (BuildExportText(text, buffer.data(), size, DisplayFont{fontAsciiBase, false}) != 0) {
            return false;
        }
        bytes = size;
        if (ExportsRichText(fontAsciiBase)) bytes = BuildRichTextDocument({}, {}, BuildRtfBody(buffer.data())).size();
        millis.push_back(MillisSince(start));
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : VELMORA_GENERATED_DIR;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 200;
    const ArticleText text = DecodeBlock(ReadBlockFile(ArticleBlockPath(folder, kLargestArticle)));
    if (text.empty()) {
        std::fprintf(stderr, "cannot read or decode article %d in %s\n", kLargestArticle, folder.c_str());
        return 1;
    }
    std::vector<double> rich, unicode;
    size_t richBytes = 0, unicodeBytes = 0;
    if (!TimeExport(text, kUnicodeAsciiBase, runs, rich, richBytes) ||
        !TimeExport(text, kEightBitAsciiBase, runs, unicode, unicodeBytes)) {
        std::fprintf(stderr, "the export text did not fit its buffer\n");
        return 1;
    }
    std::printf("# article %d: %zu bytes of text, %zu bytes of Rich Text, %zu bytes of Unicode text buffer\n",
                kLargestArticle, text.size(), richBytes, unicodeBytes);
    PrintSummary("copy as Rich Text, native -O2 (text, body)", rich);
    PrintSummary("copy as Unicode text, native -O2 (text)", unicode);
    return 0;
}
