// Keystrokes through SendInput: X tools lose the first of several Hebrew
// characters, so tests type through the system's own input queue.
#include "tests/support/keyboard_input.h"

#include <vector>

#include "tests/support/wait.h"

namespace {

INPUT KeyInput(WORD virtualKey, wchar_t unit, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = unit;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs) { SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)); }

}  // namespace

bool BringToFront(HWND window) {
    return WaitUntil([&] {
        if (GetForegroundWindow() != window) SetForegroundWindow(window);
        return GetForegroundWindow() == window;
    });
}

void PressKey(WORD virtualKey, bool shift) {
    std::vector<INPUT> inputs;
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, 0, 0));
    inputs.push_back(KeyInput(virtualKey, 0, 0));
    inputs.push_back(KeyInput(virtualKey, 0, KEYEVENTF_KEYUP));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, 0, KEYEVENTF_KEYUP));
    Send(inputs);
}

void TypeText(const wchar_t* text) {
    std::vector<INPUT> inputs;
    for (const wchar_t* c = text; *c != 0; ++c) {
        inputs.push_back(KeyInput(0, *c, KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, *c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    Send(inputs);
}
