// The Print command. The job lays the Reading view's text out again on a
// second view bound to the printer, inside the margins and the page frame,
// and paints it page by page with the Reading view's own painting. The text
// is borrowed for the job and always given back before anything else can
// paint the Reading view.
#include "output/printing.h"

#include <utility>

#include "app/program.h"
#include "output/page_loop.h"
#include "view/navigation.h"
#include "view/reading_view.h"

namespace {

class PrinterPages : public PageDevice {
public:
    PrinterPages(HDC dc, FrameHeights heights) : dc_(dc), heights_(heights) {}
    void PaintPage(ViewState& view) override { PaintView(&view, false); }
    bool FinishPage(ViewState& view, int page) override {
        DrawPageFrame(&view, heights_.a, heights_.b, page);
        return EndPage(dc_) > 0;
    }
    bool StartNextPage() override { return StartPage(dc_) > 0; }

private:
    HDC dc_;
    FrameHeights heights_;
};

enum class JobResult { Printed, Failed, NoText, NoRoom };

PrinterGeometry Geometry(HDC dc) {
    return PrinterGeometry{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY), GetDeviceCaps(dc, HORZRES),
                           GetDeviceCaps(dc, VERTRES)};
}

// Lays the text out in the box, makes room for the frame and prints the pages.
JobResult PrintLaidOut(ViewState& print, HDC dc) {
    const FrameHeights heights = ReservePageFrame(&print);
    if (!BoxHoldsEveryRow(print)) return JobResult::NoRoom;
    PrinterPages pages(dc, heights);
    return PrintPages(print, pages).complete ? JobResult::Printed : JobResult::Failed;
}

JobResult PrintBorrowedText(ViewState& print, ViewState& view, const PrintMargins& margins) {
    HDC dc = static_cast<HDC>(print.dc);
    const PrinterGeometry printer = Geometry(dc);
    const PageBox box = ComputePageBox(printer, margins);
    if (!IsUsablePageBox(printer, box)) return JobResult::NoRoom;
    if (view.text.empty()) return JobResult::NoText;
    SetViewBox(print, box);
    const int laidOut = LayoutArticle(&print, std::move(view.text), false);
    const JobResult result = laidOut == 0 && print.rowCount > 0 ? PrintLaidOut(print, dc) : JobResult::NoText;
    if (view.text.empty()) view.text = std::move(print.text);
    print.text.clear();
    return result;
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
    PrintMargins margins;
    HDC dc = StartPrinting(true, L"Velmora", margins);
    if (dc == nullptr) return;
    print.dc = dc;
    print.dpi = GetDeviceCaps(dc, LOGPIXELSY);
    UsePrintableFace(dc, print.fontSettings);
    const JobResult result = PrintBorrowedText(print, *view, margins);
    EndPrinting(dc, result != JobResult::Printed);
    DestroyView(&print, false);
    ReportRefusal(result);
}
