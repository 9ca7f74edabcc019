list(APPEND VELMORA_CORE_SOURCES
  dialogs/search_match.cpp
  dialogs/search_walk.cpp
  dialogs/hebrew_typing.cpp
  dialogs/banner_layout.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  dialogs/search.cpp
  dialogs/hit_banner.cpp
  dialogs/search_dialog.cpp
)
