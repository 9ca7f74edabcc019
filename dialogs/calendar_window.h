// The Calendar window: a year of Shabbatot from a chosen date with the
// reading of each on both schedules, and the bar or bat mitzvah Shabbat of a
// birth date. Opening a reading opens its portion as a chosen article.
#pragma once

#include <windows.h>

// Opens the modal window owned by owner; it keeps its place and size in the
// settings ("CalendarLeft", "CalendarTop", "CalendarWidth", "CalendarHeight").
void ShowCalendarWindow(HWND owner);
