// Start-up of the main window: the single-instance rule, the settings, the
// article to open, the window class and styles, placement and first paint.
#include "app/startup.h"

#include <windows.h>
#include <commctrl.h>

#include "app/main_window.h"
#include "app/program.h"
#include "app/text_level.h"
#include "calendar/current_article.h"
#include "dialogs/font_dialog.h"
#include "dialogs/font_faces.h"
#include "resources/resource.h"
#include "settings/settings_store.h"
#include "view/bookmarks.h"
#include "view/reading_view.h"

static BOOL WINAPI SystemVersion(OSVERSIONINFOA* version) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return GetVersionExA(version);
#pragma GCC diagnostic pop
}

// A system that does not say what it is is not refused: only the 95/98/ME
// line answers with a platform below NT.
bool IsRefusedSystem(VersionSource getVersion) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!(getVersion != nullptr ? getVersion : SystemVersion)(&version)) return false;
    return version.dwPlatformId < VER_PLATFORM_WIN32_NT;
}

static BOOL NextMessage(MSG* message) { return GetMessageW(message, nullptr, 0, 0); }

int RunMessageLoop(HACCEL accelerators, MessageSource next) {
    if (next == nullptr) next = NextMessage;
    MSG message{};
    BOOL got;
    while ((got = next(&message)) > 0) {
        if (!TranslateAcceleratorW(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // -1 is a failure of the loop itself; the message holds nothing then.
    if (got < 0) return kMessageLoopFailed;
    return static_cast<int>(message.wParam);
}

int EndRun(int exitCode) {
    if (program.mainWindow != nullptr && IsWindow(program.mainWindow)) DestroyWindow(program.mainWindow);
    return exitCode;
}

void RegisterMainClass(HINSTANCE instance, const wchar_t* className) {
    WNDCLASSW windowClass{};
    // A double click selects the verse under the pointer.
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_VELMORA));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAINMENU);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
}

void LoadSettings() {
    ReadSettings();
    LoadBookmarks();
}

void SaveSettingsAndQuit() {
    if (program.view != nullptr) program.settings.LastPosition = program.view->topRow;
    WriteSettings(program.view != nullptr);
    if (program.view != nullptr) {
        DestroyView(program.view, true);
        program.view = nullptr;
    }
    SaveBookmarks();
    ReleaseBookmarks();
    PostQuitMessage(0);
}

// By the class alone: the title names the article shown, and the dialogs and
// message boxes captioned "Velmora" are of the dialog class.
HWND FindRunningCopy() { return FindWindowW(kMainClassName, nullptr); }

void HandOverToRunningCopy(HWND running) {
    // A minimized copy is not in front, even where the system still counts it
    // as the foreground window: it comes back, with its article unchanged.
    if (IsIconic(running)) {
        ShowWindow(running, SW_RESTORE);
        SetForegroundWindow(running);
        return;
    }
    HWND foreground = GetForegroundWindow();
    HWND outermost = foreground;
    while (outermost != nullptr && GetParent(outermost) != nullptr) outermost = GetParent(outermost);
    if (running == foreground) SendMessageW(running, WM_COMMAND, IDM_THIS_WEEK, 0);
    if (running != outermost) SetForegroundWindow(running);
}

static DWORD MainWindowStyle(uint32_t flags) {
    DWORD style = WS_OVERLAPPED | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    if (HasScrollBar(flags)) style |= WS_VSCROLL;
    return style;
}

static DWORD MainWindowExStyle(uint32_t flags) {
    return (flags & kFlagScrollBarLeft) ? WS_EX_LEFTSCROLLBAR | WS_EX_WINDOWEDGE : WS_EX_WINDOWEDGE;
}

// The first run asks for a display font over the shown window; the view takes
// the settings however the dialog was closed (a base of 0 has become 0x5D0),
// and keeps a face that draws Hebrew: the one offered, unless the user chose
// another that does.
static void AskForDisplayFont(HWND window) {
    const FontSettings offered = program.settings.font;
    ShowFontDialog(window, program.settings.font);
    KeepAFaceThatDrawsHebrew(program.settings.font, offered);
    program.settings.Zoom = 0;
    ApplyFontSettings(program.view, &program.settings.font);
    UpdateScrollBar(window);
    UpdateLevelMenu(window);
}

HWND CreateMainWindow(int showCommand) {
    if (HWND running = FindRunningCopy()) {
        HandOverToRunningCopy(running);
        return nullptr;
    }
    InitCommonControls();
    LoadSettings();
    SetCurrentArticle(0, false);
    // A first start reads in a face with the Hebrew letters from the first
    // paint on, behind the dialog too, and the dialog offers that face.
    const bool firstStart = program.settings.font.FontName[0] == 0;
    if (firstStart) ChooseFirstStartFont(program.settings.font);
    RegisterMainClass(program.instance, kMainClassName);
    const uint32_t flags = program.settings.Flags;
    RECT place{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    const bool stored = StoredWindowRect(place);
    HWND window = CreateWindowExW(MainWindowExStyle(flags), kMainClassName, kMainClassName, MainWindowStyle(flags),
                                  place.left, place.top, stored ? place.right - place.left : CW_USEDEFAULT,
                                  stored ? place.bottom - place.top : CW_USEDEFAULT, nullptr, nullptr,
                                  program.instance, nullptr);
    if (window == nullptr) return nullptr;
    RestoreWindowPlacement(window, showCommand);
    UpdateWindow(window);
    if (firstStart) AskForDisplayFont(window);
    return window;
}
