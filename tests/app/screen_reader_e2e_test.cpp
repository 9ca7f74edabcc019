// The Reading view as a screen reader in another process reads it through
// Active Accessibility: a read-only document named after the portion and the
// verses on the screen, whose value is the text Copy gives for those verses,
// which follows paging and the next article with events, and which answers
// with an error, not a crash, once the program has gone.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <string>

#include "calendar/portion_names.h"
#include "resources/resource.h"
#include "store/hebrew_numerals.h"
#include "tests/app/e2e_fixture.h"
#include "tests/support/clipboard_access.h"
#include "tests/support/keyboard_input.h"
#include "tests/support/wait.h"

namespace {

constexpr uint16_t kMiketz = 10;
constexpr wchar_t kDash[] = L" \u2014 ";

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

std::wstring Text(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    BSTR text = nullptr;
    if (object == nullptr || (object->*get)(Self(), &text) != S_OK || text == nullptr) return {};
    std::wstring copy(text, SysStringLen(text));
    SysFreeString(text);
    return copy;
}

long Number(IAccessible* object, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*)) {
    VARIANT value{};
    if ((object->*get)(Self(), &value) != S_OK || value.vt != VT_I4) return -1;
    return value.lVal;
}

// The events of one process's windows, gathered while this thread pumps.
std::vector<std::pair<DWORD, HWND>> events;
void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (object == OBJID_CLIENT) events.emplace_back(event, window);
}

bool Seen(DWORD event, HWND window) {
    for (const auto& [e, w] : events) {
        if (e == event && w == window) return true;
    }
    return false;
}

// The first verse of a name's reference, "Genesis 42:5–12": its chapter and verse.
std::pair<int, int> FirstVerse(const std::wstring& name) {
    const size_t book = name.find(L"Genesis ");
    if (book == std::wstring::npos) return {0, 0};
    const int chapter = std::stoi(name.substr(book + 8));
    return {chapter, std::stoi(name.substr(name.find(L':', book) + 1))};
}

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

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

    IAccessible* View() {
        if (view_ == nullptr) {
            AccessibleObjectFromWindow(run.window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&view_));
        }
        return view_;
    }
    std::wstring Name() { return Text(View(), &IAccessible::get_accName); }
    std::wstring Value() { return Text(View(), &IAccessible::get_accValue); }

    IAccessible* view_ = nullptr;
};

// Miketz a page in: a document, read-only, named "Miketz — Genesis …" with
// the toolbar among its children; a drag over the screen's rows selects the
// verses it names, and Copy gives the value, then the reference. Once the
// program has exited, the kept object answers with an error.
TEST_F(ScreenReaderEndToEnd, TheViewIsADocumentOfTheVersesOnTheScreen) {
    PinArticle(kMiketz, 30);
    Start();
    ASSERT_NE(View(), nullptr);
    EXPECT_EQ(Number(View(), &IAccessible::get_accRole), ROLE_SYSTEM_DOCUMENT);
    EXPECT_EQ(Number(View(), &IAccessible::get_accState) & (STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE),
              STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE);
    const std::wstring name = Name();
    const std::wstring portion = Wide(EnglishArticleNames()[kMiketz]) + kDash + L"Genesis ";
    EXPECT_EQ(name.substr(0, portion.size()), portion) << name;

    long count = 0;
    View()->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<size_t>(count));
    LONG got = 0;
    AccessibleChildren(View(), 0, count, children.data(), &got);
    HWND toolbar = FindWindowExW(run.window, nullptr, L"ToolbarWindow32", nullptr);
    bool toolbarFound = false;
    for (LONG i = 0; i < got; ++i) {
        HWND child = nullptr;
        if (children[i].vt == VT_DISPATCH && children[i].pdispVal != nullptr) {
            IAccessible* object = nullptr;
            children[i].pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&object));
            if (object != nullptr && WindowFromAccessibleObject(object, &child) == S_OK) toolbarFound |= child == toolbar;
            if (object != nullptr) object->Release();
        }
        VariantClear(&children[i]);
    }
    EXPECT_TRUE(toolbarFound) << got << " children";

    RECT client{};
    GetClientRect(run.window, &client);
    Drag(POINT{client.right - 3, ViewTop() + 1}, POINT{3, client.bottom - 3});
    ASSERT_TRUE(ClearClipboard());
    SendCommand(run, IDM_COPY);
    const std::string block = ClipboardBlock(CF_UNICODETEXT);
    const std::wstring copied(reinterpret_cast<const wchar_t*>(block.data()), block.size() / 2);
    const std::wstring value = Value();
    ASSERT_FALSE(value.empty());
    EXPECT_EQ(copied.substr(0, value.size()), value);
    const std::wstring reference = name.substr(name.find(kDash) + 3);
    EXPECT_EQ(copied.substr(value.size(), 2 + reference.size()), L"\r\n" + reference) << "then their reference";

    Stop();
    BSTR left = nullptr;
    EXPECT_TRUE(FAILED(View()->get_accName(Self(), &left)));
}

// Page Down: a value change within 2 seconds, and the value starts at the
// label of the verse the name now begins with. Ctrl+N names the next portion.
TEST_F(ScreenReaderEndToEnd, PagingAndTheNextArticleChangeNameAndValue) {
    PinArticle(kMiketz);
    Start();
    const std::wstring before = Name();
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, OnEvent,
                                         run.process.dwProcessId, 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    SendKey(run, VK_NEXT);
    EXPECT_TRUE(WaitUntil([&] { return Seen(EVENT_OBJECT_VALUECHANGE, run.window); }, 2000));
    EXPECT_TRUE(Seen(EVENT_OBJECT_NAMECHANGE, run.window));
    UnhookWinEvent(hook);
    const std::wstring after = Name();
    EXPECT_NE(after, before);
    const auto [chapter, verse] = FirstVerse(after);
    ASSERT_GT(chapter, 0) << after;
    const std::wstring label = L"(" + Wide(HebrewNumeral(verse)) + L")";
    EXPECT_EQ(Value().substr(0, label.size()), label);

    ASSERT_TRUE(BringToFront(run.window));
    PressWithControl('N');
    const std::wstring next = Wide(EnglishArticleNames()[kMiketz + 1]) + kDash;
    EXPECT_TRUE(WaitUntil([&] { return Name().substr(0, next.size()) == next; })) << Name();
}
