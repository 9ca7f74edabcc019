// Every dialog as a screen reader and the keyboard meet it, from another
// process: Tab visits these controls in this order and Shift+Tab the same
// backwards, each with its name (and its role where the program gives one);
// the Search dialog's picture and Choose Article's outline are named too.
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

const VARIANT kSelf = [] {
    VARIANT self{};
    self.vt = VT_I4;  // child CHILDID_SELF, 0
    return self;
}();

std::wstring Text(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    std::wstring plain(text);
    std::erase(plain, L'&');
    return plain;
}

bool IsOfClass(HWND window, const wchar_t* name) {
    wchar_t className[32] = {};
    return GetClassNameW(window, className, 32) && lstrcmpiW(className, name) == 0;
}

// The name (and role) a screen reader reads of a window or one of its items.
// Where the object is the platform's generic one of a client area, which
// knows nothing of the kind of control (Wine's for all but edits), the name
// is the one Windows' own objects give: a button's text, else the label of
// the static just before the control.
std::pair<std::wstring, long> NameOf(HWND window, VARIANT child = kSelf) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object));
    if (object == nullptr) return {};
    BSTR name = nullptr;
    VARIANT role{};
    object->get_accName(child, &name);
    object->get_accRole(child, &role);
    std::pair<std::wstring, long> named{name != nullptr ? name : L"", role.lVal};
    SysFreeString(name);
    object->Release();
    if (role.lVal == ROLE_SYSTEM_CLIENT) {
        HWND label = GetWindow(window, GW_HWNDPREV);
        named.first = IsOfClass(window, L"Button") ? Text(window) : IsOfClass(label, L"Static") ? Text(label) : L"";
    }
    return named;
}

}  // namespace

class DialogNamesEndToEnd : public VelmoraEndToEnd {
protected:
    // Opened, shown and done with what its opening queued.
    HWND Open(int command, const wchar_t* caption) {
        PostMessageW(run.window, WM_COMMAND, command, 0);
        HWND dialog = nullptr;
        WaitUntil([&] { return IsWindowVisible(dialog = FindProcessDialog(run.process.dwProcessId, caption)); });
        SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_BLOCK, 10000, nullptr);
        return dialog;
    }
    void Close(HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }
};

TEST_F(DialogNamesEndToEnd, EveryControlHasItsNameAndItsPlaceInTheTabOrder) {
    const struct {
        int command;
        const wchar_t* caption;
        std::vector<std::pair<std::wstring, long>> tabOrder;  // role 0: the platform's
    } dialogs[] = {
        {IDM_ABOUT, L"Velmora", {{L"OK", 0}, {kMakerWebAddress, ROLE_SYSTEM_LINK}}},
        {IDM_FONT, L"Choose Font", {{L"Typeface:", 0}, {L"5D0", 0}, {L"Size:", 0}, {L"Preview:", 0}, {L"OK", 0},
                                    {L"Cancel", 0}}},
        {IDM_SEARCH, L"Velmora", {{L"Search", ROLE_SYSTEM_TEXT}}},
        {IDM_GO_TO_VERSE, L"Go to Verse", {{L"Book, chapter and verse, or a range of verses:", 0}, {L"OK", 0}, {L"Cancel", 0}}},
        {IDM_CALENDAR, L"Calendar", {{L"Shabbatot from:", 0}, {L"Shabbatot and their readings:", 0}, {L"Born on:", 0},
                                     {L"born after sunset", 0}, {L"Open Portion", 0}, {L"bar mitzvah (13)", 0},
                                     {L"Open", 0}, {L"Close", 0}}},
    };
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Start();
    for (const auto& d : dialogs) {
        SCOPED_TRACE(testing::Message() << d.command);
        HWND dialog = Open(d.command, d.caption);
        ASSERT_NE(dialog, nullptr);
        std::vector<HWND> tabs{GetNextDlgTabItem(dialog, nullptr, FALSE)};
        while (tabs.size() <= d.tabOrder.size()) {
            HWND next = GetNextDlgTabItem(dialog, tabs.back(), FALSE);
            if (next == tabs.front()) break;
            tabs.push_back(next);
        }
        ASSERT_EQ(tabs.size(), d.tabOrder.size());
        for (size_t i = 0; i < tabs.size(); ++i) {
            const auto [name, role] = NameOf(tabs[i]);
            EXPECT_EQ(name, d.tabOrder[i].first);
            EXPECT_TRUE(d.tabOrder[i].second == 0 || role == d.tabOrder[i].second) << i << ": role " << role;
            EXPECT_EQ(GetNextDlgTabItem(dialog, tabs[(i + 1) % tabs.size()], TRUE), tabs[i]) << "Shift+Tab " << i;
        }
        Close(dialog);
    }

    HWND search = Open(IDM_SEARCH, L"Velmora");
    EXPECT_EQ(NameOf(GetDlgItem(search, IDC_KEYBOARD_PICTURE)), std::pair(std::wstring(L"Hebrew keyboard"),
                                                                        long{ROLE_SYSTEM_GRAPHIC}));
    Close(search);
    // The outline's focused item is the current article's, by its title.
    HWND chooser = Open(IDM_CHOOSE_SECTION, L"Choose Article");
    EXPECT_EQ(NameOf(chooser).second, ROLE_SYSTEM_OUTLINE);
    IAccessible* outline = nullptr;
    AccessibleObjectFromWindow(chooser, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&outline));
    VARIANT focus{};
    ASSERT_EQ(outline->get_accFocus(&focus), S_OK);
    outline->Release();
    const auto [title, role] = NameOf(chooser, focus);
    EXPECT_EQ(role, ROLE_SYSTEM_OUTLINEITEM);
    EXPECT_FALSE(title.empty());
    Close(chooser);
    Stop();
    CoUninitialize();
}
