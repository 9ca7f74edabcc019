// The aliyot of the article shown: where each begins in the view's text, and
// which one the row at the top of the view belongs to.
#pragma once

#include <span>
#include <vector>

#include "store/aliyah_table.h"
#include "view/view_state.h"

// The marks of the article's own divisions (AliyahStartsIn), at the byte
// that opens each one's first verse; none for an article without them.
std::vector<AliyahMark> AliyahMarksOf(const AliyahTable& table, std::span<const VerseEntry> verses, int article);

// The index in view.aliyahMarks of the last aliyah that begins in the row at
// the top of the view or above it; -1 when the top row comes before the
// first (the article's heading) or the view has no marks.
int MarkAtTop(const ViewState& view);
