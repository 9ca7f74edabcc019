// This Week on this machine: the local clock, the time zone's standard name
// and the maker key's "Israel" value, applied to the program's settings.
#include "calendar/current_article.h"

#include <windows.h>

#include <string>

#include "app/program.h"
#include "calendar/sedra.h"
#include "calendar/this_week.h"
#include "settings/registry.h"

GregorianDate LocalToday() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return GregorianDate{now.wMonth, now.wDay, now.wYear};
}

// The time zone's standard name; an unreadable time zone counts as an empty
// name, so that only the registry value decides.
static std::u16string TimeZoneStandardName() {
    TIME_ZONE_INFORMATION zone{};
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return std::u16string();
    zone.StandardName[31] = 0;
    return std::u16string(reinterpret_cast<const char16_t*>(zone.StandardName));
}

const char* ProgramName() {
    static std::string name;
    if (!name.empty()) return name.c_str();
    const std::u16string path = ProgramPathArgument(reinterpret_cast<const char16_t*>(GetCommandLineW()));
    char buffer[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(path.c_str()), -1, buffer, sizeof(buffer) - 1,
                        nullptr, nullptr);
    name = buffer;
    if (name.empty()) name = "Velmora";
    return name.c_str();
}

uint16_t ThisWeekArticleToday() { return ThisWeekArticleOn(LocalToday()); }

bool IsraelScheduleHere() {
    const std::u16string zoneName = TimeZoneStandardName();
    return UsesIsraelSchedule(zoneName.c_str(), [] { return RegReadIntAt(kMakerKey, u"Israel", 0); });
}

uint16_t ThisWeekArticleOn(const GregorianDate& today) {
    return ThisWeekArticle(GregorianToAbsolute(today.month, today.day, today.year), IsraelScheduleHere(),
                           ProgramName());
}

WeekPortions ThisWeekPortions() {
    const GregorianDate today = LocalToday();
    return WeekPortionsOn(GregorianToAbsolute(today.month, today.day, today.year), IsraelScheduleHere(),
                          ProgramName());
}

void SetCurrentArticle(uint16_t article, bool force) {
    SetCurrentArticle(program.settings, article, force, ThisWeekArticleToday);
}
