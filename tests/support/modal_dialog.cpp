// Finding and driving modal dialogs. A dialog opened by the test's own thread
// blocks that thread in the dialog's loop, so a second thread drives it with
// sent messages, which the loop handles.
#include "tests/support/modal_dialog.h"

#include <thread>

#include "tests/support/wait.h"

namespace {

struct DialogSearch {
    const wchar_t* caption;
    DWORD processId;  // 0: any
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<DialogSearch*>(lParam);
    wchar_t className[16] = {};
    wchar_t caption[128] = {};
    GetClassNameW(window, className, 16);
    GetWindowTextW(window, caption, 128);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (lstrcmpW(className, L"#32770") != 0 || lstrcmpW(caption, search->caption) != 0) return TRUE;
    if (search->processId != 0 && processId != search->processId) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindProcessDialog(DWORD processId, const wchar_t* caption) {
    DialogSearch search{caption, processId, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindThreadDialog(DWORD threadId, const wchar_t* caption) {
    DialogSearch search{caption, 0, nullptr};
    EnumThreadWindows(threadId, MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

intptr_t WithModalDialog(const wchar_t* caption, const std::function<intptr_t()>& open,
                         const std::function<int(HWND dialog)>& drive) {
    const DWORD threadId = GetCurrentThreadId();
    std::thread driver([&] {
        HWND dialog = nullptr;
        const bool shown = WaitUntil([&] {
            dialog = FindThreadDialog(threadId, caption);
            return dialog != nullptr && IsWindowVisible(dialog);
        });
        if (shown) PostMessageW(dialog, WM_COMMAND, drive(dialog), 0);
    });
    const intptr_t result = open();
    driver.join();
    return result;
}
