list(APPEND VELMORA_CORE_TESTS
  tests/calendar/gregorian_test.cpp
  tests/calendar/hebrew_date_test.cpp
  tests/calendar/portion_schedule_test.cpp
  tests/calendar/this_week_test.cpp
  tests/calendar/shabbat_year_test.cpp
)
list(APPEND VELMORA_WIN32_TESTS
  tests/calendar/current_article_test.cpp
)
list(APPEND VELMORA_E2E_TESTS
)
