// Centring a dialog on its owner. A dialog resource's own position counts
// from the owner's client corner, and DS_CENTER centres on the monitor; a
// question about what the user is looking at belongs over it.
#include "view/dialog_place.h"

#include <algorithm>

namespace {

// The start that keeps a span of length inside [low, high), low when it does not fit.
LONG KeepInside(LONG start, LONG length, LONG low, LONG high) { return std::max(low, std::min(start, high - length)); }

}  // namespace

void CentreOnOwner(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT ownerRect, own;
    if (owner == nullptr || !GetWindowRect(owner, &ownerRect) || !GetWindowRect(dialog, &own)) return;
    const LONG width = own.right - own.left, height = own.bottom - own.top;
    LONG x = ownerRect.left + (ownerRect.right - ownerRect.left - width) / 2;
    LONG y = ownerRect.top + (ownerRect.bottom - ownerRect.top - height) / 2;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        x = KeepInside(x, width, monitor.rcWork.left, monitor.rcWork.right);
        y = KeepInside(y, height, monitor.rcWork.top, monitor.rcWork.bottom);
    }
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
