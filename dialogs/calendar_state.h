// The Calendar window's state, shared by its list and its bar or bat mitzvah
// section; it lives from the window's opening to its closing.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "calendar/bar_mitzvah.h"
#include "store/article_index.h"

struct CalendarWindow {
    HWND window = nullptr;
    HWND list = nullptr;
    ArticleNames names;
    bool israelHere = false;           // the schedule This Week reads here, which opening follows
    std::vector<ShabbatRow> rows;      // the rows the list shows, in its order
    MitzvahShabbat mitzvah;            // the section's answer for its birth date
    HFONT hebrewFont = nullptr;        // for the list and the section's answer, when the dialog's font lacks Hebrew
    // The controls' rectangles at the opening size and the client and window
    // sizes then (the smallest the window may take), in pixels of dpi.
    std::vector<RECT> placed;
    SIZE client{};
    SIZE smallest{};
    int dpi = 0;
};

// Text of the calendar module for the system's calls (whose wide characters
// are the same UTF-16 units).
std::wstring Wide(const std::u16string& text);

// A day chosen in a date picker, as an absolute day.
int32_t PickedDay(HWND picker);

// A civil date written as the user's settings write dates (longDate: with
// the weekday and the month's name).
std::wstring CivilDateText(int32_t day, bool longDate);

// Opens an article as a chosen one (nothing when it is already shown) and
// closes the window; a reading without an article (a festival) beeps.
void OpenFromCalendar(CalendarWindow& state, uint16_t article);

// The bar or bat mitzvah section: its answer for the picked birth date, in
// its text and its button, and the opening of its portion.
void UpdateMitzvahSection(CalendarWindow& state);
void OpenMitzvahPortion(CalendarWindow& state);
