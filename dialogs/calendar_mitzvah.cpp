// The Calendar window's bar or bat mitzvah section: from the birth date, the
// sunset box and the age, the Hebrew date of birth, the Hebrew birthday in
// the year of coming of age, its Shabbat and what both schedules read on it,
// or a plain message for a date the calendar cannot answer.
#include <windows.h>

#include <string>

#include "calendar/current_article.h"
#include "calendar/hebrew_date_text.h"
#include "calendar/portion_names.h"
#include "calendar/this_week.h"
#include "dialogs/calendar_state.h"
#include "resources/resource.h"

namespace {

int32_t Today() {
    const GregorianDate today = LocalToday();
    return GregorianToAbsolute(today.month, today.day, today.year);
}

std::wstring AnswerText(const CalendarWindow& state, int32_t age) {
    const MitzvahShabbat& found = state.mitzvah;
    switch (found.outcome) {
    case MitzvahOutcome::kNotYetBorn: return L"That day is still to come: choose the day the child was born.";
    case MitzvahOutcome::kBeforeCalendar:
        return L"The calendar begins with the Gregorian calendar, on " + CivilDateText(FirstCalendarDay(), true) +
               L": choose a later day.";
    case MitzvahOutcome::kAfterCalendar:
        return L"That Shabbat lies past the calendar's last day, " + CivilDateText(LastCalendarDay(), true) + L".";
    case MitzvahOutcome::kFound: break;
    }
    return L"Hebrew date of birth: " + Wide(HebrewDateInLetters(found.birth)) + L"\r\nHebrew birthday at " +
           std::to_wstring(age) + L": " + Wide(HebrewDateInLetters(found.birthdayHebrew)) + L", on " +
           CivilDateText(found.birthday, true) + L"\r\nIts Shabbat, " + CivilDateText(found.shabbat.day, true) +
           L", reads " + Wide(MitzvahReadingText(found, state.names));
}

// The weekly portion of the schedule read here, as This Week follows it.
uint16_t MitzvahArticle(const CalendarWindow& state) {
    if (state.mitzvah.outcome != MitzvahOutcome::kFound) return 0;
    return ArticleForPortion(state.israelHere ? state.mitzvah.weeklyIsrael : state.mitzvah.weeklyDiaspora);
}

}  // namespace

void UpdateMitzvahSection(CalendarWindow& state) {
    HWND window = state.window;
    const bool bat = IsDlgButtonChecked(window, IDC_BAT_MITZVAH) == BST_CHECKED;
    const int32_t age = bat ? kBatMitzvahAge : kBarMitzvahAge;
    const bool afterSunset = IsDlgButtonChecked(window, IDC_AFTER_SUNSET) == BST_CHECKED;
    state.mitzvah = FindMitzvahShabbat(PickedDay(GetDlgItem(window, IDC_BIRTH_DATE)), afterSunset, age, Today(),
                                       ProgramName());
    SetDlgItemTextW(window, IDC_MITZVAH_TEXT, AnswerText(state, age).c_str());
    EnableWindow(GetDlgItem(window, IDC_OPEN_MITZVAH), MitzvahArticle(state) != 0);
}

void OpenMitzvahPortion(CalendarWindow& state) { OpenFromCalendar(state, MitzvahArticle(state)); }
