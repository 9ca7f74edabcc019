// The platform's own keeping: measured on bare calls in this thread, then
// counted with a creation hook on the watched thread and a swapped import.
#include "tests/support/platform_keeping.h"

#include <oleacc.h>

#include "tests/support/import_swap.h"
#include "tests/support/process_usage.h"

namespace {

constexpr int kMeasuredCalls = 100;

PlatformKeeping* keeping = nullptr;
DWORD watchedThread = 0;
HHOOK hook = nullptr;
using GetClipboardDataFn = HANDLE(WINAPI*)(UINT);
GetClipboardDataFn realGetClipboardData = nullptr;

// A static control about to be destroyed that holds a font or a picture has
// its block, which the platform frees for icons only.
bool StaticKeepsItsBlock(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (lstrcmpiW(name, L"Static") != 0 || (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) return false;
    return SendMessageW(window, WM_GETFONT, 0, 0) != 0 || SendMessageW(window, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
}

// Sees every window's last message, children's too, and every request for
// a window's accessible object.
LRESULT CALLBACK CountStatics(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_NCDESTROY && StaticKeepsItsBlock(sent->hwnd)) ++keeping->statics;
    if (code == HC_ACTION && sent->message == WM_GETOBJECT && static_cast<LONG>(sent->lParam) == OBJID_CLIENT) {
        ++keeping->accessibleReads;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

HANDLE WINAPI CountedGetClipboardData(UINT format) {
    if (GetCurrentThreadId() == watchedThread) ++keeping->clipboardReads;
    return realGetClipboardData(format);
}

// The bytes a call keeps, over calls made after a first one.
template <typename Call>
long long BytesKeptPerCall(Call call) {
    call();
    const auto before = static_cast<long long>(HeapBytesInUse());
    for (int i = 0; i < kMeasuredCalls; ++i) call();
    const long long kept = static_cast<long long>(HeapBytesInUse()) - before;
    return kept > 0 ? kept / kMeasuredCalls : 0;
}

void StaticWithAFont() {
    HWND control = CreateWindowExW(0, L"Static", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    DestroyWindow(control);
}

void ReadOwnClipboardData(UINT format) {
    if (!OpenClipboard(nullptr)) return;
    GetClipboardData(format);
    CloseClipboard();
}

long long BytesPerOwnClipboardRead(HWND owner) {
    const UINT format = RegisterClipboardFormatW(L"Rich Text Format");
    if (!OpenClipboard(owner)) return 0;
    EmptyClipboard();
    SetClipboardData(format, GlobalAlloc(GMEM_MOVEABLE, 64));
    CloseClipboard();
    return BytesKeptPerCall([format] { ReadOwnClipboardData(format); });
}

// A window on a thread of its own hands out the platform's standard object
// of its client area, as a program's window hands out its own, to this one.
LRESULT CALLBACK StandardObjectProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    IAccessible* standard = nullptr;
    if (message != WM_GETOBJECT || static_cast<LONG>(lParam) != OBJID_CLIENT ||
        FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible), (void**)&standard)))
        return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, standard);
    standard->Release();
    return result;
}

DWORD WINAPI RunObjectWindow(void* window) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    WNDCLASSW windowClass{0, StandardObjectProc, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr,
                          L"VelmoraObjectWindow"};
    RegisterClassW(&windowClass);
    *static_cast<HWND*>(window) = CreateWindowW(windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 9, 9, nullptr,
                                                nullptr, windowClass.hInstance, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    CoUninitialize();
    return 0;
}

long long BytesPerAccessibleRead() {
    HWND window = nullptr;
    DWORD threadId = 0;
    HANDLE thread = CreateThread(nullptr, 0, RunObjectWindow, &window, 0, &threadId);
    while (thread != nullptr && window == nullptr && WaitForSingleObject(thread, 10) == WAIT_TIMEOUT) {
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const long long bytes = window == nullptr ? 0 : BytesKeptPerCall([window] {
        IAccessible* object = nullptr;
        AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), (void**)&object);
        if (object != nullptr) object->Release();
    });
    CoUninitialize();
    PostThreadMessageW(threadId, WM_QUIT, 0, 0);
    if (thread != nullptr) WaitForSingleObject(thread, 10000);
    if (thread != nullptr) CloseHandle(thread);
    return bytes;
}

}  // namespace

PlatformKeeping::PlatformKeeping(DWORD threadId, HWND clipboardOwner) {
    bytesPerStatic = BytesKeptPerCall(StaticWithAFont);
    bytesPerClipboardRead = BytesPerOwnClipboardRead(clipboardOwner);
    bytesPerAccessibleRead = BytesPerAccessibleRead();
    keeping = this;
    watchedThread = threadId;
    hook = SetWindowsHookExW(WH_CALLWNDPROC, CountStatics, nullptr, threadId);
    installed = hook != nullptr &&
                SwapImport("user32.dll", "GetClipboardData", &CountedGetClipboardData, &realGetClipboardData);
}

PlatformKeeping::~PlatformKeeping() {
    if (hook != nullptr) UnhookWindowsHookEx(hook);
    hook = nullptr;
    if (realGetClipboardData) SwapImport("user32.dll", "GetClipboardData", realGetClipboardData, static_cast<GetClipboardDataFn*>(nullptr));
    keeping = nullptr;
}
