list(APPEND VELMORA_CORE_SOURCES
  dialogs/picker_layout.cpp
  dialogs/picker_list.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  dialogs/picker_font.cpp
  dialogs/picker_paint.cpp
  dialogs/choose_section.cpp
)
