// The Print command. The job lays the Reading view's text (or the verses
// selected in it) out again on a second view bound to the printer, inside the
// margins and the page frame, and paints it page by page with the Reading
// view's own painting. The view's text is borrowed for the job and always
// given back before anything else can paint the Reading view.
#include "output/printing.h"

#include <new>
#include <span>
#include <utility>
#include <vector>

#include "app/program.h"
#include "output/page_loop.h"
#include "output/selection_text.h"
#include "store/aliyah_table_resource.h"
#include "store/article_resource.h"
#include "store/verse_map_resource.h"
#include "view/navigation.h"
#include "view/reading_view.h"

namespace {

class PrinterPages : public PageDevice {
public:
    PrinterPages(HDC dc, FrameHeights heights, std::span<const uint8_t> title)
        : dc_(dc), heights_(heights), title_(title) {}
    void PaintPage(ViewState& view) override { PaintView(&view, false); }
    bool FinishPage(ViewState& view, int page) override {
        DrawPageFrame(&view, heights_.a, heights_.b, page, title_);
        return EndPage(dc_) > 0;
    }
    bool StartNextPage() override { return StartPage(dc_) > 0; }

private:
    HDC dc_;
    FrameHeights heights_;
    std::span<const uint8_t> title_;
};

enum class JobResult { Printed, Failed, NoText, NoRoom };

PrinterGeometry Geometry(HDC dc) {
    return PrinterGeometry{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(dc, HORZRES),
                           GetDeviceCaps(dc, VERTRES)};
}

// Lays the text out in the box, makes room for the frame and prints the pages.
JobResult PrintLaidOut(ViewState& print, HDC dc, std::span<const uint8_t> title) {
    const FrameHeights heights = ReservePageFrame(&print);
    if (!BoxHoldsEveryRow(print)) return JobResult::NoRoom;
    PrinterPages pages(dc, heights, title);
    return PrintPages(print, pages).complete ? JobResult::Printed : JobResult::Failed;
}

// Prints a text lent for the job, which gets it back.
JobResult PrintBorrowedText(ViewState& print, ArticleText& text, const PrintMargins& margins,
                            std::span<const uint8_t> title) {
    HDC dc = static_cast<HDC>(print.dc);
    const PrinterGeometry printer = Geometry(dc);
    const PageBox box = ComputePageBox(printer, margins);
    if (!IsUsablePageBox(printer, box)) return JobResult::NoRoom;
    if (text.empty()) return JobResult::NoText;
    SetViewBox(print, box);
    const int laidOut = LayoutArticle(&print, std::move(text), false);
    const JobResult result = laidOut == 0 && print.rowCount > 0 ? PrintLaidOut(print, dc, title) : JobResult::NoText;
    if (text.empty()) text = std::move(print.text);
    print.text.clear();
    return result;
}

// The selected verses as the text to print, with their marks, and the name
// the header gives them; nothing without a selection.
struct PrintedSelection {
    SelectionText selected;
    std::vector<uint8_t> title;
};

PrintedSelection SelectionToPrint(const ViewState& view) {
    PrintedSelection printed;
    if (view.selection.first < 0) return printed;
    const auto first = static_cast<size_t>(view.selection.first);
    const auto last = static_cast<size_t>(view.selection.last);
    try {
        printed.selected = SelectedText(view.text, view.selectedSpans, view.marks);
        printed.title = SelectionHeaderCodes(ProgramAliyahTable(), ProgramVerseMap(), ProgramArticleNames(),
                                             view.article, first, last);
    } catch (const std::bad_alloc&) {
        printed = PrintedSelection{};
    }
    return printed;
}

void ReportRefusal(JobResult result) {
    const wchar_t* text = nullptr;
    if (result == JobResult::NoRoom) text = L"The margins leave no room for the text on this paper.";
    if (result == JobResult::NoText) text = L"There is no text to print.";
    if (text != nullptr) MessageBoxW(program.mainWindow, text, L"Error Printing", MB_OK);
}

}  // namespace

void PrintArticle(ViewState* view) {
    if (view == nullptr) return;
    ViewState print{};
    print.fontSettings = view->fontSettings;
    // The page is printed in the size chosen in Choose Font: zooming is for the screen.
    print.fontSettings.FontSize = program.settings.font.FontSize;
    print.reverseOption = view->reverseOption;
    // The page shows what the screen shows, with the same marks.
    EnsureMarkLayer(view);
    print.level = view->level;
    print.levelSpans = view->levelSpans;
    print.article = view->article;
    print.marksArticle = view->marksArticle;
    print.marks = view->marks;
    // A selection is printed alone, at the view's level, its header naming it.
    PrintedSelection selection = SelectionToPrint(*view);
    const bool selected = !selection.selected.text.empty();
    if (selected) {
        print.levelSpans.clear();
        print.marks = std::move(selection.selected.marks);
    }
    PrintMargins margins;
    HDC dc = StartPrinting(true, L"Velmora", margins);
    if (dc == nullptr) return;
    print.dc = dc;
    print.dpi = GetDeviceCaps(dc, LOGPIXELSY);
    UsePrintableFace(dc, print.fontSettings);
    ArticleText& text = selected ? selection.selected.text : view->text;
    const JobResult result = PrintBorrowedText(print, text, margins, selection.title);
    EndPrinting(dc, result != JobResult::Printed);
    DestroyView(&print, false);
    ReportRefusal(result);
}
