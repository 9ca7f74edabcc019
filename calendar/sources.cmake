list(APPEND VELMORA_CORE_SOURCES
  calendar/sedra.cpp
  calendar/this_week.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  calendar/current_article.cpp
)
