// The toolbar. Its pictures are an image list of the strip drawn for the
// window's dots per inch (16, 24 or 32 pixels a button), made anew when the
// window moves to a screen of another scale; the toolbar does not own the
// list, so it is deleted here when it is replaced and with the toolbar.
#include "app/toolbar.h"

#include "app/program.h"
#include "app/zoom.h"
#include "resources/resource.h"
#include "view/dpi_scale.h"
#include "view/navigation.h"
#include "view/window_dpi.h"

namespace {

// The toolbar, left to right: previous, This Week, next, font, search,
// search again, the index.
const TBBUTTON kToolbarButtons[] = {
    {0, IDM_PREVIOUS_ARTICLE, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {1, IDM_THIS_WEEK, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {2, IDM_NEXT_ARTICLE, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {3, IDM_FONT, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {4, IDM_SEARCH, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {5, IDM_SEARCH_AGAIN, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
    {6, IDM_CHOOSE_SECTION, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0},
};
constexpr int kButtonCount = 7;

struct ButtonTip {
    int command;
    const wchar_t* text;
};
const ButtonTip kButtonTips[] = {
    {IDM_PREVIOUS_ARTICLE, L"Previous Article (Left)"},
    {IDM_THIS_WEEK, L"This Week (Ctrl+T)"},
    {IDM_NEXT_ARTICLE, L"Next Article (Right)"},
    {IDM_FONT, L"Font (Ctrl+F)"},
    {IDM_SEARCH, L"Search (Ctrl+W)"},
    {IDM_SEARCH_AGAIN, L"Search Again (F3)"},
    {IDM_CHOOSE_SECTION, L"Choose Article (Ctrl+D)"},
};

// Sizes at 96 dots per inch: a picture, and the room around it in a button.
constexpr int kPictureSize = 16;
constexpr int kPaddingWidth = 7;
constexpr int kPaddingHeight = 6;
// The strip's background, the button face, shows the toolbar through.
constexpr COLORREF kStripBackground = RGB(192, 192, 192);

// The strip drawn for dpi as an image list, or none.
HIMAGELIST CreateToolbarImages(int dpi) {
    const int size = ArtSize(kPictureSize, ArtScaleForDpi(dpi));
    HBITMAP strip = LoadBitmapForDpi(program.instance, IDB_TOOLBAR, dpi);
    if (strip == nullptr) return nullptr;
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, kButtonCount, 0);
    if (images != nullptr && ImageList_AddMasked(images, strip, kStripBackground) < 0) {
        ImageList_Destroy(images);
        images = nullptr;
    }
    DeleteObject(strip);
    return images;
}

}  // namespace

void CreateMainToolbar(HWND window) {
    program.mainWindow = window;
    const int size = kPictureSize;
    program.toolbar = CreateToolbarEx(window, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, IDC_TOOLBAR, 0, nullptr, 0,
                                      kToolbarButtons, kButtonCount, size, size, size, size, sizeof(TBBUTTON));
    ScaleToolbar(program.dpi);
    OpenReadingView(window, ZoomedFontSettings());
}

void ScaleToolbar(int dpi) {
    if (program.toolbar == nullptr) return;
    HIMAGELIST images = CreateToolbarImages(dpi);
    if (images == nullptr) return;
    int width = 0, height = 0;
    ImageList_GetIconSize(images, &width, &height);
    const int paddingWidth = ScaleForDpi(kPaddingWidth, dpi);
    const int paddingHeight = ScaleForDpi(kPaddingHeight, dpi);
    SendMessageW(program.toolbar, TB_SETPADDING, 0, MAKELPARAM(paddingWidth, paddingHeight));
    const auto previous = reinterpret_cast<HIMAGELIST>(
        SendMessageW(program.toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images)));
    if (previous != nullptr) ImageList_Destroy(previous);
    SendMessageW(program.toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(width + paddingWidth, height + paddingHeight));
    SendMessageW(program.toolbar, TB_AUTOSIZE, 0, 0);
}

void DestroyMainToolbar() {
    if (program.toolbar == nullptr) return;
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(program.toolbar, TB_GETIMAGELIST, 0, 0));
    DestroyWindow(program.toolbar);
    program.toolbar = nullptr;
    if (images != nullptr) ImageList_Destroy(images);
}

const wchar_t* ToolbarTipText(int command) {
    for (const ButtonTip& tip : kButtonTips) {
        if (tip.command == command) return tip.text;
    }
    return nullptr;
}

LRESULT OnToolbarNotify(NMHDR* header) {
    if (header == nullptr || header->code != TTN_GETDISPINFOW) return FALSE;
    const wchar_t* text = ToolbarTipText(static_cast<int>(header->idFrom));
    if (text == nullptr) return FALSE;
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = const_cast<wchar_t*>(text);
    return TRUE;
}
