// The main window procedure: it dispatches each message to a handler that
// routes painting, sizing, keys, the scroll bar, the wheel, clicks and drags
// to the Reading view, and commands to the dispatcher.
#include "app/main_window.h"

#include "app/about_box.h"
#include "app/aliyot.h"
#include "app/context_menu.h"
#include "app/practice.h"
#include "app/program.h"
#include "app/reading_accessible.h"
#include "app/startup.h"
#include "app/text_level.h"
#include "app/toolbar.h"
#include "app/zoom.h"
#include "settings/settings_store.h"
#include "view/accessible_object.h"
#include "view/bookmarks.h"
#include "view/input_map.h"
#include "view/layout.h"
#include "view/navigation.h"
#include "view/reading_view.h"
#include "view/verse_drag.h"
#include "view/view_colours.h"
#include "view/view_events.h"
#include "view/view_geometry.h"
#include "view/window_dpi.h"

const wchar_t kMainClassName[] = L"Velmora";

// The scroll bar pages by a page less one row, whatever KeyPageStep says.
constexpr int kScrollBarPageStep = 1;

static void ScrollByRows(HWND window, int rows) {
    ScrollView(program.view, rows, 1, true);
    UpdateScrollBar(window);
}

// Whether the system asks for high contrast, which the view and the
// window's background follow.
static void FollowHighContrast(HWND window) {
    program.highContrast = SystemHighContrast();
    if (program.view != nullptr) program.view->systemColours = program.highContrast;
    SetClassLongPtrW(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(BackgroundBrush(program.highContrast)));
}

static LRESULT OnCreate(HWND window) {
    program.dpi = WindowDpi(window);
    CreateMainToolbar(window);
    FollowHighContrast(window);
    UpdateReverseCheck(window, true);
    UpdateBookmarkCheck(window);
    UpdateLevelMenu(window);
    UpdateShowAliyotCheck(window);
    UpdatePracticeMenu(window);
    return 0;
}

static LRESULT OnDestroy(HWND window) {
    // A screen reader that kept the view's object gets an error from now on.
    DisconnectAccessible(window);
    EndAccessibility();
    if (program.view != nullptr) ReleaseDC(window, static_cast<HDC>(program.view->dc));
    DestroyMainToolbar();
    SaveWindowPlacement(window);
    SaveSettingsAndQuit();
    return 0;
}

static LRESULT OnKeyDown(HWND window, WPARAM virtualKey, LPARAM flags) {
    if (OnPracticeKeyDown(window, virtualKey, flags)) return 0;
    if (virtualKey == VK_APPS) {
        ShowViewContextMenu(window, nullptr);
        return 0;
    }
    if (virtualKey < kKeyEnter || virtualKey > kKeyDown || program.view == nullptr) return 1;
    const ViewState& view = *program.view;
    const int page = PageAmount(KeyPageStep(program.settings.Flags), view);
    const KeyCommand command = MapKey(static_cast<int>(virtualKey), page, view.topRow, view.maxRow,
                                      program.settings.SearchString[0] != 0);
    switch (command.action) {
    case KeyAction::NotHandled: return 1;
    case KeyAction::Nothing: break;
    case KeyAction::ScrollRows: ScrollByRows(window, command.rows); break;
    case KeyAction::SearchAgain: DispatchCommand(window, 117); break;
    case KeyAction::PreviousArticle: PreviousArticle(window); break;
    case KeyAction::NextArticle: NextArticle(window); break;
    case KeyAction::ClearSelection: ClearVerseSelection(); break;
    }
    return 0;
}

static LRESULT OnVerticalScroll(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    int step = 0;
    if (program.view != nullptr) {
        const auto position = static_cast<int16_t>(HIWORD(wParam));
        const int page = PageAmount(kScrollBarPageStep, *program.view);
        step = ScrollBarStep(LOWORD(wParam), position, program.view->topRow, page);
    }
    if (step != 0) ScrollView(program.view, step, 1, true);
    DefWindowProcW(window, message, wParam, lParam);
    if (step != 0) UpdateScrollBar(window);
    return 1;
}

// With Ctrl held the wheel zooms: a notch away from the user is one size
// larger; without, it scrolls a row up. Small turns add up to notches.
static LRESULT OnMouseWheel(HWND window, WPARAM wParam) {
    const auto delta = static_cast<int16_t>(HIWORD(wParam));
    if (LOWORD(wParam) & MK_CONTROL) {
        const int notches = TakeWheelNotches(program.zoomWheel, delta);
        if (notches != 0) ZoomDisplayFont(window, notches);
        return 0;
    }
    const int notches = TakeWheelNotches(program.scrollWheel, delta);
    if (notches != 0) ScrollByRows(window, -notches);
    return 0;
}

// Shift+F10 asks for the context menu, as the Menu key does.
static LRESULT OnSystemKeyDown(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (wParam != VK_F10 || GetKeyState(VK_SHIFT) >= 0) return DefWindowProcW(window, message, wParam, lParam);
    ShowViewContextMenu(window, nullptr);
    return 0;
}

// A right click on the client area; elsewhere (the caption, the toolbar) the
// system's own menus answer. The keys are answered on their own.
static LRESULT OnContextMenu(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    POINT at{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
    if (reinterpret_cast<HWND>(wParam) != window || lParam == -1) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    POINT client = at;
    RECT area;
    ScreenToClient(window, &client);
    GetClientRect(window, &area);
    if (!PtInRect(&area, client)) return DefWindowProcW(window, message, wParam, lParam);
    ShowViewContextMenu(window, &at);
    return 0;
}

static LRESULT OnGetMinMaxInfo(HWND window, MINMAXINFO& limits) {
    const SIZE least = MinimumWindowSize(window);
    if (least.cx > 0) limits.ptMinTrackSize = POINT{least.cx, least.cy};
    return 0;
}

static int ClientX(LPARAM lParam) { return static_cast<int16_t>(LOWORD(lParam)); }
static int ClientY(LPARAM lParam) { return static_cast<int16_t>(HIWORD(lParam)); }

// The window moved to a screen of another scale: it takes the size the system
// suggests, and the toolbar's pictures, the gutter, the fonts and the layout
// follow, with the text that was at the top kept there.
static LRESULT OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    const int topText = program.view != nullptr ? TopRowTextOffset(*program.view) : -1;
    program.dpi = HIWORD(wParam);
    ScaleToolbar(program.dpi);
    FollowScaleChange(window, wParam, lParam);
    OnViewDpiChanged(window, topText);
    return 0;
}

// High contrast came or went, or the system's colours changed: the view and
// the window's background follow, and the toolbar is told.
static LRESULT OnColoursChanged(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FollowHighContrast(window);
    if (program.toolbar != nullptr) SendMessageW(program.toolbar, message, wParam, lParam);
    InvalidateRect(window, nullptr, TRUE);
    return DefWindowProcW(window, message, wParam, lParam);
}

static LRESULT OnCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (DispatchCommand(window, LOWORD(wParam)) == 0) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: return OnDestroy(window);
    case WM_SIZE: OnViewSize(window, LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_PAINT: PaintWindow(reinterpret_cast<HDC>(wParam), window, 0xFF); return 0;
    case WM_HELP: ShowAboutBox(window); return 0;
    case WM_DPICHANGED: return OnDpiChanged(window, wParam, lParam);
    case WM_NOTIFY: return OnToolbarNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_KEYDOWN: return OnKeyDown(window, wParam, lParam);
    case WM_KEYUP: return OnPracticeKeyUp(window, wParam) ? 0 : DefWindowProcW(window, message, wParam, lParam);
    case WM_INITMENUPOPUP: UpdateAliyahMenu(reinterpret_cast<HMENU>(wParam)); return 0;
    case WM_SYSKEYDOWN: return OnSystemKeyDown(window, message, wParam, lParam);
    case WM_CONTEXTMENU: return OnContextMenu(window, message, wParam, lParam);
    case WM_GETMINMAXINFO: return OnGetMinMaxInfo(window, *reinterpret_cast<MINMAXINFO*>(lParam));
    case WM_VSCROLL: return OnVerticalScroll(window, message, wParam, lParam);
    case WM_MOUSEWHEEL: return OnMouseWheel(window, wParam);
    // A click pages when the button comes up; a press that moves selects verses.
    case WM_LBUTTONDOWN:
        OnViewButtonDown(window, ClientX(lParam), ClientY(lParam), (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_LBUTTONDBLCLK: OnViewDoubleClick(window, ClientX(lParam), ClientY(lParam)); return 0;
    case WM_MOUSEMOVE: OnViewMouseMove(window, ClientX(lParam), ClientY(lParam)); return 0;
    case WM_LBUTTONUP: OnViewButtonUp(window, ClientX(lParam), ClientY(lParam)); return 0;
    case WM_CAPTURECHANGED: OnViewCaptureLost(window); return 0;
    case WM_TIMER: return OnViewTimer(window, wParam) ? 0 : DefWindowProcW(window, message, wParam, lParam);
    case WM_COMMAND: return OnCommand(window, message, wParam, lParam);
    case WM_GETOBJECT: return OnReadingViewGetObject(window, wParam, lParam);
    case WM_SETFOCUS: NoteViewFocused(window); return 0;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: return OnColoursChanged(window, message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
