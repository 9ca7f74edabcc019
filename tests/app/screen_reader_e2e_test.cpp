// The Reading view as a screen reader in another process reads it through
// Active Accessibility: a read-only document named after the portion and the
// verses on the screen, whose value is Copy's text of those verses, which
// follows paging and the next article with events, has the toolbar among its
// children, and answers with an error, not a crash, once the program is gone.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/portion_names.h"
#include "resources/resource.h"
#include "store/hebrew_numerals.h"
#include "tests/app/e2e_fixture.h"
#include "tests/support/clipboard_access.h"
#include "tests/support/keyboard_input.h"
#include "tests/support/wait.h"

namespace {

constexpr uint16_t kMiketz = 10;
const VARIANT kSelf = [] {
    VARIANT self{};
    self.vt = VT_I4;  // child CHILDID_SELF, 0
    return self;
}();

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

std::vector<std::pair<DWORD, HWND>> events;
void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (object == OBJID_CLIENT) events.emplace_back(event, window);
}

}  // namespace

class ScreenReaderEndToEnd : public VelmoraEndToEnd {
protected:
    void SetUp() override {
        VelmoraEndToEnd::SetUp();
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        events.clear();
    }
    void TearDown() override {
        if (view_ != nullptr) view_->Release();
        VelmoraEndToEnd::TearDown();
        CoUninitialize();
    }

    void Connect() {
        AccessibleObjectFromWindow(run.window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&view_));
        ASSERT_NE(view_, nullptr);
    }
    std::wstring Read(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
        BSTR text = nullptr;
        (view_->*get)(kSelf, &text);
        const std::wstring copy = text != nullptr ? text : L"";
        SysFreeString(text);
        return copy;
    }
    long Read(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
        VARIANT value{};
        return SUCCEEDED((view_->*get)(kSelf, &value)) ? value.lVal : -1;
    }

    IAccessible* view_ = nullptr;
};

// Miketz some rows in: a drag from the first row on the screen to the last
// selects the verses the name gives, and Copy gives the value, then their
// reference. Page Down raises a value change within 2 seconds and the value
// starts at the label of the verse the name now begins with; Ctrl+N names
// the next portion.
TEST_F(ScreenReaderEndToEnd, TheViewIsADocumentOfTheVersesOnTheScreen) {
    PinArticle(kMiketz, 30);
    Start();
    Connect();
    EXPECT_EQ(Read(&IAccessible::get_accRole), ROLE_SYSTEM_DOCUMENT);
    EXPECT_EQ(Read(&IAccessible::get_accState) & (STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE),
              STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE);
    const std::wstring name = Read(&IAccessible::get_accName);
    const std::wstring portion = Wide(EnglishArticleNames()[kMiketz]) + L" \u2014 ";
    ASSERT_EQ(name.substr(0, portion.size() + 8), portion + L"Genesis ");

    // The toolbar is among the children.
    long count = 0;
    view_->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<size_t>(count));
    AccessibleChildren(view_, 0, count, children.data(), &count);
    std::vector<HWND> windows;
    for (VARIANT& child : children) {
        IAccessible* object = nullptr;
        HWND window = nullptr;
        if (child.vt == VT_DISPATCH && SUCCEEDED(child.pdispVal->QueryInterface(&object))) {
            WindowFromAccessibleObject(object, &window);
            object->Release();
        }
        windows.push_back(window);
        VariantClear(&child);
    }
    EXPECT_EQ(std::count(windows.begin(), windows.end(), FindWindowExW(run.window, nullptr, L"ToolbarWindow32", nullptr)), 1);

    RECT client{};
    GetClientRect(run.window, &client);
    Drag(POINT{client.right - 3, ViewTop() + 1}, POINT{3, client.bottom - 3});
    ASSERT_TRUE(ClearClipboard());
    SendCommand(run, IDM_COPY);
    const std::string block = ClipboardBlock(CF_UNICODETEXT);
    const std::wstring copied(reinterpret_cast<const wchar_t*>(block.data()), block.size() / 2);
    const std::wstring value = Read(&IAccessible::get_accValue), reference = name.substr(portion.size());
    ASSERT_FALSE(value.empty());
    EXPECT_EQ(copied.substr(0, value.size() + 2 + reference.size()), value + L"\r\n" + reference);

    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, OnEvent,
                                         run.process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    SendKey(run, VK_NEXT);
    const auto seen = [&](DWORD event) { return std::count(events.begin(), events.end(), std::pair{event, run.window}) > 0; };
    EXPECT_TRUE(WaitUntil([&] { return seen(EVENT_OBJECT_VALUECHANGE); }, 2000));
    EXPECT_TRUE(seen(EVENT_OBJECT_NAMECHANGE));
    UnhookWinEvent(hook);
    const std::wstring paged = Read(&IAccessible::get_accName);
    ASSERT_NE(paged, name);
    // "Miketz — Genesis 41:14–27": the value begins with the label "(יד)".
    const std::wstring label = L"(" + Wide(HebrewNumeral(std::stoi(paged.substr(paged.find(L':') + 1)))) + L")";
    EXPECT_EQ(Read(&IAccessible::get_accValue).substr(0, label.size()), label);

    ASSERT_TRUE(BringToFront(run.window));
    PressWithControl('N');
    const std::wstring next = Wide(EnglishArticleNames()[kMiketz + 1]) + L" \u2014 ";
    EXPECT_TRUE(WaitUntil([&] { return Read(&IAccessible::get_accName).substr(0, next.size()) == next; }));

    Stop();
    BSTR left = nullptr;
    EXPECT_TRUE(FAILED(view_->get_accName(kSelf, &left))) << "the object of a window that is gone";
}
