// Windows and their accessible objects: the object of a window is made on
// the first WM_GETOBJECT, kept as a property of the window and disconnected
// in its teardown; COM is begun for the thread then, and ended with the main
// window. COM, the accessibility library and the BSTR allocator are loaded
// on that first request, so that a start-up that no screen reader asks
// anything of loads none of them.
#include "app/program.h"
#include "view/accessible_object.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kObjectProperty[] = L"Velmora.Accessible";
constexpr UINT_PTR kSubclassId = 0xACC;

using CoInitializeExCall = HRESULT(WINAPI*)(void*, DWORD);
using CoUninitializeCall = void(WINAPI*)();
using CoDisconnectObjectCall = HRESULT(WINAPI*)(IUnknown*, DWORD);
using LresultFromObjectCall = LRESULT(WINAPI*)(REFIID, WPARAM, IUnknown*);
using CreateStdAccessibleObjectCall = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using SysAllocStringLenCall = BSTR(WINAPI*)(const OLECHAR*, UINT);

struct PlatformCalls {
    CoInitializeExCall coInitializeEx = nullptr;
    CoUninitializeCall coUninitialize = nullptr;
    CoDisconnectObjectCall coDisconnectObject = nullptr;
    LresultFromObjectCall lresultFromObject = nullptr;
    CreateStdAccessibleObjectCall createStdAccessibleObject = nullptr;
    SysAllocStringLenCall sysAllocStringLen = nullptr;

    bool Complete() const {
        return coInitializeEx != nullptr && coUninitialize != nullptr && coDisconnectObject != nullptr &&
               lresultFromObject != nullptr && createStdAccessibleObject != nullptr && sysAllocStringLen != nullptr;
    }
};

// Looked up once; the libraries stay loaded for the rest of the run.
const PlatformCalls& Calls() {
    static const PlatformCalls calls = [] {
        PlatformCalls found;
        found.coInitializeEx = LateBound<CoInitializeExCall>(L"ole32.dll", "CoInitializeEx");
        found.coUninitialize = LateBound<CoUninitializeCall>(L"ole32.dll", "CoUninitialize");
        found.coDisconnectObject = LateBound<CoDisconnectObjectCall>(L"ole32.dll", "CoDisconnectObject");
        found.lresultFromObject = LateBound<LresultFromObjectCall>(L"oleacc.dll", "LresultFromObject");
        found.createStdAccessibleObject =
            LateBound<CreateStdAccessibleObjectCall>(L"oleacc.dll", "CreateStdAccessibleObject");
        found.sysAllocStringLen = LateBound<SysAllocStringLenCall>(L"oleaut32.dll", "SysAllocStringLen");
        return found;
    }();
    return calls;
}

// COM is begun once for the thread that runs the windows (an apartment of
// its own, as windows need); one begun in another mode is used as it is.
bool ComReady() {
    if (program.comStarted) return true;
    const HRESULT begun = Calls().coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(begun)) program.comStarted = true;
    return SUCCEEDED(begun) || begun == RPC_E_CHANGED_MODE;
}

IAccessible* ObjectOf(HWND window) { return static_cast<IAccessible*>(GetPropW(window, kObjectProperty)); }

IAccessible* MakeObject(HWND window, const AccessibleParts& parts) {
    void* standard = nullptr;
    if (FAILED(Calls().createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible), &standard))) {
        standard = nullptr;
    }
    IAccessible* object = CreateAccessibleObject(window, parts, static_cast<IAccessible*>(standard));
    if (object == nullptr) {
        if (standard != nullptr) static_cast<IAccessible*>(standard)->Release();
        return nullptr;
    }
    if (!SetPropW(window, kObjectProperty, object)) {
        MarkAccessibleObjectGone(object);
        object->Release();
        return nullptr;
    }
    return object;
}

LRESULT CALLBACK AccessibleControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR reference) {
    switch (message) {
    case WM_GETOBJECT:
        return AnswerGetObject(control, wParam, lParam, *reinterpret_cast<const AccessibleParts*>(reference));
    case WM_NCDESTROY:
        DisconnectAccessible(control);
        RemoveWindowSubclass(control, AccessibleControlProc, kSubclassId);
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam, const AccessibleParts& parts) {
    // The id is a 32-bit value, whatever the width of lParam.
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || !Calls().Complete() || !ComReady()) {
        return DefWindowProcW(window, WM_GETOBJECT, wParam, lParam);
    }
    IAccessible* object = ObjectOf(window);
    if (object == nullptr) object = MakeObject(window, parts);
    if (object == nullptr) return DefWindowProcW(window, WM_GETOBJECT, wParam, lParam);
    return Calls().lresultFromObject(__uuidof(IAccessible), wParam, object);
}

void DisconnectAccessible(HWND window) {
    IAccessible* object = ObjectOf(window);
    if (object == nullptr) return;
    RemovePropW(window, kObjectProperty);
    MarkAccessibleObjectGone(object);
    Calls().coDisconnectObject(object, 0);
    object->Release();
}

void MakeAccessible(HWND control, const AccessibleParts& parts) {
    if (control != nullptr) {
        SetWindowSubclass(control, AccessibleControlProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&parts));
    }
}

void NotifyAccessible(DWORD event, HWND window, long item) {
    if (window != nullptr) NotifyWinEvent(event, window, OBJID_CLIENT, item);
}

void EndAccessibility() {
    if (!program.comStarted) return;
    program.comStarted = false;
    Calls().coUninitialize();
}

BSTR AccessibleString(const std::u16string& text) {
    if (text.empty() || Calls().sysAllocStringLen == nullptr) return nullptr;
    return Calls().sysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
}
