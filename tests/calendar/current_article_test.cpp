// This Week on this machine: the local date, the time zone's name and the
// maker key's "Israel" value.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "calendar/current_article.h"
#include "calendar/sedra.h"
#include "calendar/this_week.h"
#include "tests/support/scratch_registry.h"

TEST(CurrentArticle, TodaysArticleFollowsTheIsraelValueOrElseTheTimeZone) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(LocalToday(), (GregorianDate{now.wMonth, now.wDay, now.wYear}));
    const int32_t today = GregorianToAbsolute(now.wMonth, now.wDay, now.wYear);
    TIME_ZONE_INFORMATION zone{};
    const bool zoneSaysIsrael = GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID &&
                                IsIsraelTimeZoneName(reinterpret_cast<const char16_t*>(zone.StandardName));
    const struct { const char* label; void (*store)(); bool israel; } cases[] = {
        {"no value", [] {}, zoneSaysIsrael},
        {"zero", [] { WriteDword(L"Israel", 0, true); }, zoneSaysIsrael},
        {"one", [] { WriteDword(L"Israel", 1, true); }, true},
        {"one as text", [] { WriteString(L"Israel", L"1", true); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(ClearProgramKeys());
        c.store();
        EXPECT_EQ(ThisWeekArticleToday(), ThisWeekArticle(today, c.israel, "test"));
    }
    ClearProgramKeys();
}
