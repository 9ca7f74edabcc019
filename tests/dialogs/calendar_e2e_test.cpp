// The Calendar window in the real program: Ctrl+L opens it; a date typed
// into its first field fills the rows from the Shabbat on or after it, and
// Enter on a row opens that row's portion on the schedule read here; a birth
// date typed into the bar mitzvah section names its Shabbat, whose portion
// the section's button opens.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "calendar/current_article.h"
#include "calendar/portion_names.h"
#include "calendar/this_week.h"
#include "resources/resource.h"
#include "tests/app/e2e_fixture.h"
#include "tests/support/clipboard_access.h"
#include "tests/support/keyboard_input.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/screen_capture.h"
#include "tests/support/wait.h"

namespace {

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    DWORD_PTR result;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 10000, &result);
    return text;
}

// A cell of the list, read through memory of the program's own.
std::wstring CellOf(const VelmoraRun& run, HWND list, int item, int column) {
    HANDLE process = run.process.hProcess;
    struct Remote {
        LVITEMW item;
        wchar_t text[256];
    };
    auto* remote = static_cast<Remote*>(VirtualAllocEx(process, nullptr, sizeof(Remote), MEM_COMMIT, PAGE_READWRITE));
    Remote local{};
    local.item.iSubItem = column;
    local.item.pszText = remote->text;
    local.item.cchTextMax = 256;
    WriteProcessMemory(process, remote, &local, sizeof local, nullptr);
    SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&remote->item));
    ReadProcessMemory(process, remote, &local, sizeof local, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return local.text;
}

// The window as the screen shows it once two captures in a row agree.
Capture SteadyCapture(HWND window) {
    Capture last = CaptureWindow(window), now;
    WaitUntil([&] {
        now = CaptureWindow(window);
        const bool same = now.pixels == last.pixels;
        last = now;
        return same;
    });
    return now;
}

// Types a date into the focused date picker field by field: month, day, year.
void TypeDate(const wchar_t* month, const wchar_t* day, const wchar_t* year) {
    for (const wchar_t* field : {month, day, year}) {
        TypeText(field);
        PressKey(VK_RIGHT);
    }
}

class CalendarEndToEnd : public VelmoraEndToEnd {
protected:
    // Starts on the Israel schedule or the diaspora's and opens the window with Ctrl+L.
    HWND OpenCalendar(bool israel) {
        WriteDword(L"Israel", israel ? 1 : 0, true);
        PinArticle(1);
        Start();
        EXPECT_TRUE(BringToFront(run.window));
        PressWithControl('L');
        HWND dialog = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            dialog = FindProcessDialog(run.process.dwProcessId, L"Calendar");
            return dialog != nullptr && IsWindowVisible(dialog);
        })) << "Ctrl+L opened no Calendar";
        return dialog;
    }
};

}  // namespace

// From Sunday 24 April 2022, a week after Pesach's eighth day kept the
// diaspora a week behind: Kedoshim in Israel, Acharei Mot in the diaspora.
TEST_F(CalendarEndToEnd, ADateTypedAndEnterOnARowOpensItsPortion) {
    HWND dialog = OpenCalendar(true);
    ASSERT_NE(dialog, nullptr);
    HWND list = GetDlgItem(dialog, IDC_CALENDAR_LIST);
    TypeDate(L"4", L"24", L"2022");
    ASSERT_TRUE(WaitUntil([&] { return CellOf(run, list, 0, 2) == L"Israel: קדושים; diaspora: אחרי מות"; }))
        << "the first row is not Shabbat 30 April 2022";
    EXPECT_EQ(CellOf(run, list, 0, 1), L"כ״ט ניסן תשפ״ב");
    PressWithControl('C');
    EXPECT_TRUE(WaitUntil([&] {
        const std::string text = ClipboardBlock(CF_UNICODETEXT);
        const std::wstring copied(reinterpret_cast<const wchar_t*>(text.data()), text.size() / 2);
        return copied.rfind(L"Date\tHebrew date\tIsrael\tDiaspora\r\n2022-04-30\tכ״ט ניסן תשפ״ב\tקדושים\tאחרי מות\r\n", 0) == 0;
    })) << "Ctrl+C did not copy the rows";
    // A larger window gives the list the room it gains, and is kept.
    RECT listBefore{}, listAfter{};
    GetWindowRect(list, &listBefore);
    SetWindowPos(dialog, nullptr, 20, 30, 700, 600, SWP_NOZORDER);
    GetWindowRect(list, &listAfter);
    EXPECT_GT(listAfter.bottom - listAfter.top, listBefore.bottom - listBefore.top + 50);
    PressKey(VK_TAB);
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(TextOf(run.window).rfind(L"Emor", 0), 0u) << "the title does not name Emor";
    EXPECT_EQ(ReadDword(L"CalendarWidth"), 700u);
    EXPECT_EQ(ReadDword(L"CalendarTop"), 30u);
    Stop();
    EXPECT_EQ(Lesson(), 31u);
    EXPECT_NE(Flags() & 0x4, 0u);
}

// Born on Thursday 23 July 2009, 2 Av 5769: the bar mitzvah is on 2 Av 5782,
// Shabbat 30 July 2022, Matot-Masei in the diaspora and Masei in Israel. The
// picture of the window with both sections filled is taken here.
TEST_F(CalendarEndToEnd, TheBarMitzvahSectionOpensItsPortion) {
    HWND dialog = OpenCalendar(false);
    ASSERT_NE(dialog, nullptr);
    TypeDate(L"4", L"24", L"2022");
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    TypeDate(L"7", L"23", L"2009");
    HWND answer = GetDlgItem(dialog, IDC_MITZVAH_TEXT);
    EXPECT_TRUE(WaitUntil([&] {
        const std::wstring text = TextOf(answer);
        return text.find(L"Saturday, July 30, 2022, reads in Israel: מסעי; in the diaspora: מטות-מסעי") !=
               std::wstring::npos;
    })) << "the section does not name the Shabbat of 2 Av 5782";
    EXPECT_NE(TextOf(answer).find(L"Hebrew date of birth: ב׳ אב תשס״ט"), std::wstring::npos);
    // Tall enough to show the schedules meeting again after 30 July.
    SetWindowPos(dialog, nullptr, 0, 0, 700, 600, SWP_NOMOVE | SWP_NOZORDER);
    SaveCaptureHere(SteadyCapture(dialog), L"calendar.bmp");
    PostMessageW(GetDlgItem(dialog, IDC_OPEN_MITZVAH), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    Stop();
    EXPECT_EQ(Lesson(), 42u);
}

// Ctrl+Shift+T opens this week's portion on the other schedule, or This Week
// itself when both schedules read the same; the title names it.
TEST_F(CalendarEndToEnd, ControlShiftTOpensTheOtherSchedulesPortion) {
    WriteDword(L"Israel", 0, true);
    PinArticle(1);
    Start();
    const GregorianDate today = LocalToday();
    const WeekPortions week = WeekPortionsOn(GregorianToAbsolute(today.month, today.day, today.year), false, "v");
    const uint16_t expected = OtherWeekArticle(week);
    ASSERT_TRUE(BringToFront(run.window));
    INPUT keys[6] = {};
    const WORD order[6] = {VK_CONTROL, VK_SHIFT, 'T', 'T', VK_SHIFT, VK_CONTROL};
    for (int i = 0; i < 6; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = order[i];
        keys[i].ki.dwFlags = i >= 3 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(6, keys, sizeof(INPUT));
    const std::u16string english = EnglishArticleNames()[expected];
    const std::wstring name(english.begin(), english.end());
    EXPECT_TRUE(WaitUntil([&] { return TextOf(run.window).rfind(name, 0) == 0; })) << "the title does not name it";
    Stop();
    EXPECT_EQ(Lesson(), expected);
    EXPECT_EQ((Flags() & 0x4) != 0, expected != LocalWeekArticle(week));
}
