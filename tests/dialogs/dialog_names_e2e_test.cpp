// Every dialog as a screen reader and the keyboard meet it, from another
// process: Tab visits these controls in this order, and Shift+Tab the same
// backwards, each with its name and, where the program gives one, its role.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "settings/maker_addresses.h"
#include "tests/app/e2e_fixture.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/wait.h"

namespace {

struct Named {
    std::wstring name;
    long role = 0;  // 0: whatever the platform's standard object says
};

IAccessible* ObjectOf(HWND window) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    return object;
}

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

std::wstring WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    std::wstring plain;
    for (const wchar_t* c = text; *c != 0; ++c) {
        if (*c != L'&') plain += *c;
    }
    return plain;
}

bool IsOfClass(HWND window, const wchar_t* name) {
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    return lstrcmpiW(className, name) == 0;
}

// The label a control follows, as Windows' standard objects name a list or
// a field by it: the static just before it in the dialog.
std::wstring LabelBefore(HWND control) {
    HWND previous = GetWindow(control, GW_HWNDPREV);
    return IsOfClass(previous, L"Static") ? WindowText(previous) : L"";
}

// The name a screen reader reads: the control's object's. Where that is the
// platform's generic object of a client area, which knows nothing of the
// kind of control (Wine's for all but edits), the name Windows' own objects
// give that kind: a button's text, a list's or a field's label.
Named NameOf(HWND control) {
    Named named;
    IAccessible* object = ObjectOf(control);
    if (object == nullptr) return named;
    BSTR name = nullptr;
    if (object->get_accName(Self(), &name) == S_OK && name != nullptr) named.name = name;
    SysFreeString(name);
    VARIANT role{};
    if (object->get_accRole(Self(), &role) == S_OK && role.vt == VT_I4) named.role = role.lVal;
    object->Release();
    if (named.role == ROLE_SYSTEM_CLIENT) named.name = IsOfClass(control, L"Button") ? WindowText(control) : LabelBefore(control);
    return named;
}

struct DialogCase {
    const char* what;
    int command;
    const wchar_t* caption;
    std::vector<Named> tabOrder;
};

}  // namespace

class DialogNamesEndToEnd : public VelmoraEndToEnd {
protected:
    void SetUp() override {
        VelmoraEndToEnd::SetUp();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    }
    void TearDown() override {
        VelmoraEndToEnd::TearDown();
        CoUninitialize();
    }

    HWND Open(int command, const wchar_t* caption) {
        PostMessageW(run.window, WM_COMMAND, command, 0);
        HWND dialog = nullptr;
        WaitUntil([&] {
            dialog = FindProcessDialog(run.process.dwProcessId, caption);
            return dialog != nullptr && IsWindowVisible(dialog);
        });
        // Shown, and done with what its opening queued.
        DWORD_PTR result = 0;
        if (dialog != nullptr) SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &result);
        return dialog;
    }

    void Close(HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }
};

TEST_F(DialogNamesEndToEnd, EveryControlHasItsNameAndItsPlaceInTheTabOrder) {
    const std::wstring link = kMakerWebAddress;
    const DialogCase dialogs[] = {
        {"About", IDM_ABOUT, L"Velmora", {{link, ROLE_SYSTEM_LINK}}},
        {"Choose Font", IDM_FONT, L"Choose Font",
         {{L"Typeface:"}, {L"5D0"}, {L"Size:"}, {L"Preview:"}, {L"OK"}, {L"Cancel"}}},
        {"Search", IDM_SEARCH, L"Velmora", {{L"Search", ROLE_SYSTEM_TEXT}}},
        {"Go to Verse", IDM_GO_TO_VERSE, L"Go to Verse", {{L"Book, chapter and verse:"}, {L"OK"}, {L"Cancel"}}},
        {"Calendar", IDM_CALENDAR, L"Calendar",
         {{L"Shabbatot from:"}, {L"Shabbatot and their readings:"}, {L"Born on:"}, {L"born after sunset"},
          {L"Open Portion"}, {L"bar mitzvah (13)"}, {L"Open"}, {L"Close"}}},
    };
    Start();
    for (const DialogCase& d : dialogs) {
        SCOPED_TRACE(d.what);
        HWND dialog = Open(d.command, d.caption);
        ASSERT_NE(dialog, nullptr);
        std::vector<HWND> forward;
        for (HWND control = GetNextDlgTabItem(dialog, nullptr, FALSE);
             control != nullptr && (forward.empty() || control != forward.front());
             control = GetNextDlgTabItem(dialog, control, FALSE)) {
            forward.push_back(control);
            if (forward.size() > d.tabOrder.size()) break;
        }
        ASSERT_EQ(forward.size(), d.tabOrder.size());
        for (size_t i = 0; i < forward.size(); ++i) {
            SCOPED_TRACE(i);
            const Named named = NameOf(forward[i]);
            EXPECT_EQ(named.name, d.tabOrder[i].name);
            if (d.tabOrder[i].role != 0) {
                EXPECT_EQ(named.role, d.tabOrder[i].role);
            }
            EXPECT_EQ(GetNextDlgTabItem(dialog, forward[(i + 1) % forward.size()], TRUE), forward[i]) << "Shift+Tab";
        }
        Close(dialog);
    }
    Stop();
}

// The controls without a place in the tab order that a screen reader still
// meets: the Search dialog's keyboard picture, whose value lists its letters,
// and Choose Section's outline of entries with the current article focused.
TEST_F(DialogNamesEndToEnd, PictureAndOutlineAreNamed) {
    PinArticle(56);
    Start();
    HWND search = Open(IDM_SEARCH, L"Velmora");
    ASSERT_NE(search, nullptr);
    IAccessible* picture = ObjectOf(GetDlgItem(search, IDC_KEYBOARD_PICTURE));
    ASSERT_NE(picture, nullptr);
    BSTR name = nullptr, value = nullptr;
    picture->get_accName(Self(), &name);
    picture->get_accValue(Self(), &value);
    EXPECT_STREQ(name, L"Hebrew keyboard");
    EXPECT_EQ(std::wstring(value ? value : L"").substr(0, 5), L"\u05D0 \u05D1 \u05D2");
    SysFreeString(name);
    SysFreeString(value);
    picture->Release();
    Close(search);

    HWND chooser = Open(IDM_CHOOSE_SECTION, L"Choose Section");
    ASSERT_NE(chooser, nullptr);
    IAccessible* outline = ObjectOf(chooser);
    ASSERT_NE(outline, nullptr);
    VARIANT role{}, focus{};
    outline->get_accRole(Self(), &role);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_OUTLINE);
    ASSERT_EQ(outline->get_accFocus(&focus), S_OK);
    ASSERT_EQ(focus.vt, VT_I4);
    outline->get_accName(focus, &name);
    EXPECT_NE(std::wstring(name ? name : L""), L"") << "the current article's title";
    SysFreeString(name);
    VARIANT state{};
    outline->get_accState(focus, &state);
    EXPECT_TRUE(state.lVal & STATE_SYSTEM_SELECTED);
    outline->Release();
    Close(chooser);
    Stop();
}
