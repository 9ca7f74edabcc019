// This Week on this machine: the time zone's name and the maker key's
// "Israel" value, on a day where the two schedules differ.
#include <windows.h>

#include <gtest/gtest.h>

#include "calendar/current_article.h"
#include "calendar/sedra.h"
#include "calendar/this_week.h"
#include "tests/support/scratch_registry.h"

// On Saturday 30 July 2022 the diaspora reads article 42 and Israel article
// 43. Only the maker key's "Israel" value counts; the same value under the
// settings key changes nothing.
TEST(CurrentArticle, TheIsraelValueOfTheMakerKeyChoosesTheSchedule) {
    TIME_ZONE_INFORMATION zone{};
    const bool zoneSaysIsrael = GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID &&
                                IsIsraelTimeZoneName(reinterpret_cast<const char16_t*>(zone.StandardName));
    const uint16_t byZone = zoneSaysIsrael ? 43 : 42;
    const struct { const char* label; void (*store)(); uint16_t article; } cases[] = {
        {"no value", [] {}, byZone},
        {"zero", [] { WriteDword(L"Israel", 0, true); }, byZone},
        {"one", [] { WriteDword(L"Israel", 1, true); }, 43},
        {"one as text", [] { WriteString(L"Israel", L"1", true); }, 43},
        {"one under the settings key", [] { WriteDword(L"Israel", 1); }, byZone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(ClearProgramKeys());
        c.store();
        EXPECT_EQ(ThisWeekArticleOn(GregorianDate{7, 30, 2022}), c.article);
    }
    ClearProgramKeys();
}
