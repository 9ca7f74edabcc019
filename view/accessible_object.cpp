// The accessible object of a window's client area: a plain IAccessible that
// answers from the window's AccessibleParts and hands every other question
// to the platform's standard object for the same area. Once the window has
// gone it is marked gone, and every request gets RPC_E_DISCONNECTED.
#include <new>

#include "view/accessible_object.h"

namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
bool IsItem(const VARIANT& child) { return child.vt == VT_I4 && child.lVal > 0; }

void SetLong(VARIANT* out, long value) {
    out->vt = VT_I4;
    out->lVal = value;
}

HRESULT GiveString(const std::u16string& text, BSTR* out) {
    *out = AccessibleString(text);
    return *out != nullptr ? S_OK : S_FALSE;
}

struct ClientObject final : IAccessible {
    ClientObject(HWND w, const AccessibleParts& p, IAccessible* s) : window(w), parts(p), standard(s) {}
    ClientObject(const ClientObject&) = delete;
    ClientObject& operator=(const ClientObject&) = delete;

    LONG references = 1;
    bool gone = false;
    HWND window;
    const AccessibleParts& parts;
    IAccessible* standard;  // owned; may be none

    const AccessibleItems* Items() const { return parts.items; }
    bool KnowsItem(const VARIANT& child) const {
        return Items() != nullptr && IsItem(child) && child.lVal <= Items()->count(window);
    }
    // Whether the standard object answers for child: the area's children
    // when the parts have no items, and what the parts leave out.
    bool Forwards(const VARIANT& child) const { return standard != nullptr && !KnowsItem(child); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (id != __uuidof(IUnknown) && id != __uuidof(IDispatch) && id != __uuidof(IAccessible)) return E_NOINTERFACE;
        *out = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references);
        if (left == 0) {
            if (standard != nullptr) standard->Release();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // No type information: clients of this interface call it directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count != nullptr) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (gone) return RPC_E_DISCONNECTED;
        if (standard == nullptr) return S_FALSE;
        return standard->get_accParent(parent);
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (gone) return RPC_E_DISCONNECTED;
        if (Items() != nullptr) {
            *count = Items()->count(window);
            return S_OK;
        }
        if (standard == nullptr) {
            *count = 0;
            return S_OK;
        }
        return standard->get_accChildCount(count);
    }

    // Items are simple elements, reached by their numbers. The standard
    // object's children are the child windows, in the order it enumerates
    // them, which is the one way every platform gives them out.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (gone) return RPC_E_DISCONNECTED;
        *out = nullptr;
        if (KnowsItem(child)) return S_FALSE;
        if (Items() != nullptr || standard == nullptr || child.vt != VT_I4) return E_INVALIDARG;
        if (standard->get_accChild(child, out) == S_OK) return S_OK;
        return EnumeratedChild(child.lVal, out);
    }

    HRESULT EnumeratedChild(long number, IDispatch** out) {
        IEnumVARIANT* children = nullptr;
        if (number < 1 || FAILED(standard->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void**>(&children))))
            return E_INVALIDARG;
        VARIANT found{};
        ULONG fetched = 0;
        children->Reset();
        if (number > 1) children->Skip(static_cast<ULONG>(number - 1));
        const bool got = children->Next(1, &found, &fetched) == S_OK && fetched == 1;
        children->Release();
        if (got && found.vt == VT_DISPATCH) {
            *out = found.pdispVal;
            return *out != nullptr ? S_OK : S_FALSE;
        }
        if (got && found.vt == VT_UNKNOWN && found.punkVal != nullptr) found.punkVal->Release();
        return S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (gone) return RPC_E_DISCONNECTED;
        *name = nullptr;
        if (IsSelf(child) && parts.name != nullptr) return GiveString(parts.name(window), name);
        if (KnowsItem(child)) return GiveString(Items()->name(window, child.lVal), name);
        return standard != nullptr ? standard->get_accName(child, name) : S_FALSE;
    }

    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        if (gone) return RPC_E_DISCONNECTED;
        *value = nullptr;
        if (IsSelf(child) && parts.value != nullptr) return GiveString(parts.value(window), value);
        if (KnowsItem(child)) return DISP_E_MEMBERNOTFOUND;
        return standard != nullptr ? standard->get_accValue(child, value) : DISP_E_MEMBERNOTFOUND;
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (gone) return RPC_E_DISCONNECTED;
        if (IsSelf(child) && parts.role != 0) {
            SetLong(role, parts.role);
            return S_OK;
        }
        if (KnowsItem(child)) {
            SetLong(role, Items()->role);
            return S_OK;
        }
        return standard != nullptr ? standard->get_accRole(child, role) : E_INVALIDARG;
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (gone) return RPC_E_DISCONNECTED;
        if (KnowsItem(child)) {
            SetLong(state, Items()->state(window, child.lVal));
            return S_OK;
        }
        if (!IsSelf(child)) return standard != nullptr ? standard->get_accState(child, state) : E_INVALIDARG;
        long bits = 0;
        VARIANT own{};
        if (standard != nullptr && standard->get_accState(child, &own) == S_OK && own.vt == VT_I4) bits = own.lVal;
        if (GetFocus() == window) bits |= STATE_SYSTEM_FOCUSED;
        SetLong(state, bits | parts.state);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        if (gone) return RPC_E_DISCONNECTED;
        *text = nullptr;
        return Forwards(child) ? standard->get_accDescription(child, text) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override {
        if (gone) return RPC_E_DISCONNECTED;
        *text = nullptr;
        return Forwards(child) ? standard->get_accHelp(child, text) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        if (gone) return RPC_E_DISCONNECTED;
        *file = nullptr;
        *topic = 0;
        return Forwards(child) ? standard->get_accHelpTopic(file, child, topic) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override {
        if (gone) return RPC_E_DISCONNECTED;
        *text = nullptr;
        return Forwards(child) ? standard->get_accKeyboardShortcut(child, text) : S_FALSE;
    }

    // The focused item while the window has the focus, else the standard answer.
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (gone) return RPC_E_DISCONNECTED;
        focus->vt = VT_EMPTY;
        if (Items() == nullptr) return standard != nullptr ? standard->get_accFocus(focus) : S_FALSE;
        if (GetFocus() != window) return S_FALSE;
        SetLong(focus, Items()->focused(window));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (gone) return RPC_E_DISCONNECTED;
        selection->vt = VT_EMPTY;
        if (Items() == nullptr) return standard != nullptr ? standard->get_accSelection(selection) : S_FALSE;
        const long item = Items()->focused(window);
        if (item == 0) return S_FALSE;
        SetLong(selection, item);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (gone) return RPC_E_DISCONNECTED;
        *action = nullptr;
        if (IsSelf(child) && parts.defaultAction != nullptr) {
            return GiveString(reinterpret_cast<const char16_t*>(parts.defaultAction), action);
        }
        return Forwards(child) ? standard->get_accDefaultAction(child, action) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (gone) return RPC_E_DISCONNECTED;
        if (IsSelf(child) && parts.doDefaultAction != nullptr) {
            parts.doDefaultAction(window);
            return S_OK;
        }
        return Forwards(child) ? standard->accDoDefaultAction(child) : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        if (gone) return RPC_E_DISCONNECTED;
        return Forwards(child) ? standard->accSelect(flags, child) : DISP_E_MEMBERNOTFOUND;
    }

    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        if (gone) return RPC_E_DISCONNECTED;
        if (!KnowsItem(child)) {
            return standard != nullptr ? standard->accLocation(left, top, width, height, child) : E_INVALIDARG;
        }
        RECT rect{};
        if (!Items()->rect(window, child.lVal, rect)) return S_FALSE;
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (gone) return RPC_E_DISCONNECTED;
        end->vt = VT_EMPTY;
        if (Items() == nullptr) return standard != nullptr ? standard->accNavigate(direction, start, end) : S_FALSE;
        const long count = Items()->count(window);
        long item = 0;
        if (IsSelf(start) && direction == NAVDIR_FIRSTCHILD) item = 1;
        else if (IsSelf(start) && direction == NAVDIR_LASTCHILD) item = count;
        else if (KnowsItem(start) && (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN)) item = start.lVal + 1;
        else if (KnowsItem(start) && (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP)) item = start.lVal - 1;
        else if (IsSelf(start)) return standard != nullptr ? standard->accNavigate(direction, start, end) : S_FALSE;
        if (item < 1 || item > count) return S_FALSE;
        SetLong(end, item);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
        if (gone) return RPC_E_DISCONNECTED;
        hit->vt = VT_EMPTY;
        if (Items() == nullptr) return standard != nullptr ? standard->accHitTest(x, y, hit) : S_FALSE;
        POINT point{x, y};
        RECT client{};
        ScreenToClient(window, &point);
        GetClientRect(window, &client);
        if (!PtInRect(&client, point)) return S_FALSE;
        SetLong(hit, Items()->at(window, point));
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return gone ? RPC_E_DISCONNECTED : E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return gone ? RPC_E_DISCONNECTED : E_NOTIMPL; }
};

}  // namespace

IAccessible* CreateAccessibleObject(HWND window, const AccessibleParts& parts, IAccessible* standard) {
    return new (std::nothrow) ClientObject(window, parts, standard);
}

void MarkAccessibleObjectGone(IAccessible* object) {
    auto* client = static_cast<ClientObject*>(object);
    client->gone = true;
    if (client->standard != nullptr) client->standard->Release();
    client->standard = nullptr;
}
