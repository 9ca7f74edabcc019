// This Week on this machine: the local date, the time zone's name and the
// maker key's "Israel" value.
#include <windows.h>

#include <gtest/gtest.h>

#include "calendar/current_article.h"
#include "calendar/sedra.h"
#include "calendar/this_week.h"
#include "tests/support/scratch_registry.h"

namespace {

int32_t Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return GregorianToAbsolute(now.wMonth, now.wDay, now.wYear);
}

bool ZoneSaysIsrael() {
    TIME_ZONE_INFORMATION zone{};
    if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) return false;
    return IsIsraelTimeZoneName(reinterpret_cast<const char16_t*>(zone.StandardName));
}

class CurrentArticle : public ::testing::Test {
protected:
    void SetUp() override { ClearProgramKeys(); }
    void TearDown() override { ClearProgramKeys(); }
};

}  // namespace

TEST_F(CurrentArticle, LocalTodayIsTheClocksDate) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const GregorianDate today = LocalToday();
    EXPECT_EQ(today.year, now.wYear);
    EXPECT_EQ(today.month, now.wMonth);
    EXPECT_EQ(today.day, now.wDay);
}

TEST_F(CurrentArticle, TheIsraelValueSelectsTheIsraelSchedule) {
    WriteDword(L"Israel", 1, true);
    EXPECT_EQ(ThisWeekArticleToday(), ThisWeekArticle(Today(), true, "test"));
}

TEST_F(CurrentArticle, WithoutTheValueTheTimeZoneDecides) {
    EXPECT_EQ(ThisWeekArticleToday(), ThisWeekArticle(Today(), ZoneSaysIsrael(), "test"));
    WriteDword(L"Israel", 0, true);
    EXPECT_EQ(ThisWeekArticleToday(), ThisWeekArticle(Today(), ZoneSaysIsrael(), "test"));
}

TEST_F(CurrentArticle, TheIsraelValueMayBeStoredAsText) {
    WriteString(L"Israel", L"1", true);
    EXPECT_EQ(ThisWeekArticleToday(), ThisWeekArticle(Today(), true, "test"));
}
