// The Reading view's screen as text: which verses its placed rows touch
// (the verse selection's own rule, from the first row to the last), their
// reference, and their words built by the export that Copy uses.
#include "output/screen_text.h"

#include <new>
#include <vector>

#include "output/export_text.h"
#include "output/plain_text.h"
#include "store/verse_reference.h"
#include "view/paint_plan.h"
#include "view/verse_selection.h"

namespace {

constexpr char16_t kNameSeparator[] = u" \u2014 ";

}  // namespace

VerseSelection VersesOnScreen(ViewState& view, std::span<const VerseEntry> verses) {
    const PaintPlan plan = PlanPaint(view, false);
    if (plan.rows.empty() || verses.empty()) return {};
    return SelectVerses(view, verses, DragPoint{plan.rows.front().index}, DragPoint{plan.rows.back().index});
}

std::u16string ScreenName(std::u16string_view articleName, std::span<const VerseEntry> verses,
                          VerseSelection onScreen, bool hebrew) {
    std::u16string name(articleName);
    if (onScreen.first < 0 || onScreen.last < onScreen.first || static_cast<size_t>(onScreen.last) >= verses.size())
        return name;
    const auto shown = verses.subspan(onScreen.first, onScreen.last - onScreen.first + 1);
    const VerseReferenceText reference = FormatVerseReferenceParts(shown);
    if (!name.empty()) name += kNameSeparator;
    return name + (hebrew ? reference.hebrew : reference.english);
}

std::u16string ScreenText(const ViewState& view, std::span<const VerseEntry> verses, VerseSelection onScreen) {
    if (onScreen.first < 0 || onScreen.last < onScreen.first || static_cast<size_t>(onScreen.last) >= verses.size())
        return {};
    try {
        const std::vector<TextSpan> spans = VerseSpans(view.text, verses, onScreen.first, onScreen.last);
        if (spans.empty()) return {};
        // A reader wants the letters whatever codes the display font keeps
        // them at: the export of a Unicode font, which is in reading order.
        const std::u16string exported = BuildVersesExportText(view.text, spans, DisplayFont{}, u"");
        return exported.empty() ? exported : BuildPlainText(exported.c_str());
    } catch (const std::bad_alloc&) {
        return {};
    }
}
