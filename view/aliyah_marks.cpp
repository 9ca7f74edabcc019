// Aliyah marks in a view: found through the verse map when an article is
// laid in, placed in rows when they are painted or the top row is named.
#include "view/aliyah_marks.h"

#include "view/paint_plan.h"

std::vector<AliyahMark> AliyahMarksOf(const AliyahTable& table, std::span<const VerseEntry> verses, int article) {
    std::vector<AliyahMark> marks;
    for (const AliyahStart& start : AliyahStartsIn(table, verses, article)) {
        AliyahMark mark{verses[start.verse].first, {start.numbers[0], start.numbers[1]}, start.count};
        marks.push_back(mark);
    }
    return marks;
}

int MarkAtTop(const ViewState& view) {
    const int top = TopRowIndex(view);
    int found = -1;
    for (size_t i = 0; i < view.aliyahMarks.size(); ++i) {
        const int row = RowHoldingByte(view, view.aliyahMarks[i].position);
        if (row < 0 || row > top) break;
        found = static_cast<int>(i);
    }
    return found;
}
