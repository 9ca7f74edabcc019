// Painting beside and under the Reading view's rows: the aliyot's names and
// ticks, and the practice round's next word underlined.
#pragma once

#include "view/paint_plan.h"
#include "view/view_state.h"

// The names of the aliyot that begin in the rows of the plan, in the margin
// at the right, with a tick where one begins inside its row; nothing while
// the view keeps no margin.
void PaintAliyahMargin(ViewState* view, const PaintPlan& plan);

// The line under the practice word's parts in the rows of the plan.
void PaintPracticeWord(ViewState* view, const PaintPlan& plan);
