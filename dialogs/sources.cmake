list(APPEND VELMORA_CORE_SOURCES
  dialogs/picker_layout.cpp
  dialogs/picker_list.cpp
  dialogs/picker_focus.cpp
  dialogs/search_match.cpp
  dialogs/search_walk.cpp
  dialogs/hebrew_typing.cpp
  dialogs/banner_layout.cpp
  dialogs/font_choice.cpp
  dialogs/font_list.cpp
  dialogs/mark_glyphs.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  dialogs/picker_font.cpp
  dialogs/picker_paint.cpp
  dialogs/picker_accessible.cpp
  dialogs/choose_section.cpp
  dialogs/search.cpp
  dialogs/hit_banner.cpp
  dialogs/search_dialog.cpp
  dialogs/keyboard_picture.cpp
  dialogs/font_faces.cpp
  dialogs/font_dialog.cpp
  dialogs/go_to_verse.cpp
  dialogs/calendar_window.cpp
  dialogs/calendar_mitzvah.cpp
  dialogs/edit_guard.cpp
)
