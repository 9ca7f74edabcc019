// Fuzzes the reader of the article index's rows with any bytes: every row it
// returns lies inside the input, its title holds no zero byte, the rows read
// the same when written again, and each title converts and fits over a
// fixed-width table as the index's drawing would.
#include <vector>

#include "store/article_index.h"
#include "store/article_text.h"
#include "tests/fuzz/require.h"

namespace {

WidthTable FixedWidths() {
    WidthTable table{};
    for (int16_t& width : table.widths) width = 9;
    return table;
}

void CheckTitle(const IndexRow& row, const WidthTable& widths, std::vector<char16_t>& buffer) {
    const int count = static_cast<int>(row.titleLength);
    ToDisplayChars(row.title, count, buffer, DisplayMode{kEightBitAsciiBase, true});
    Require(!buffer.empty(), "a title converts");
    int width = 120;
    int fitted = count;
    FitByWidthTable(&widths, row.title, width, fitted);
    Require(fitted >= 0 && fitted <= count && width <= 120, "a title fits within its limit");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<IndexRow> rows = ReadIndexRows(data, size);
    const WidthTable widths = FixedWidths();
    std::vector<char16_t> buffer;
    std::vector<uint8_t> again;
    for (const IndexRow& row : rows) {
        Require(row.attr != 0, "a row has an attribute");
        Require(row.title >= data + kIndexRowHeaderSize && row.title + row.titleLength < data + size,
                "a title and its zero lie inside the input");
        for (size_t i = 0; i < row.titleLength; ++i) Require(row.title[i] != 0, "a title holds no zero");
        CheckTitle(row, widths, buffer);
        AppendIndexRow(again, row.id, row.attr, row.level, std::vector<uint8_t>(row.title, row.title + row.titleLength));
    }
    AppendIndexEnd(again);
    const std::vector<IndexRow> reread = ReadIndexRows(again.data(), again.size());
    Require(reread.size() == rows.size(), "written rows read back");
    for (size_t i = 0; i < rows.size(); ++i) {
        Require(reread[i].id == rows[i].id && reread[i].attr == rows[i].attr && reread[i].level == rows[i].level &&
                    reread[i].titleLength == rows[i].titleLength,
                "a written row reads back the same");
    }
    return 0;
}
