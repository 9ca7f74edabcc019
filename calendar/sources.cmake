list(APPEND VELMORA_CORE_SOURCES
  calendar/sedra.cpp
  calendar/this_week.cpp
  calendar/hebrew_date_text.cpp
  calendar/shabbat_year.cpp
  calendar/bar_mitzvah.cpp
  calendar/portion_names.cpp
  calendar/window_title.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  calendar/current_article.cpp
)
