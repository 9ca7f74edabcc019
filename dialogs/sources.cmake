list(APPEND VELMORA_CORE_SOURCES
  dialogs/font_choice.cpp
  dialogs/font_list.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  dialogs/font_dialog.cpp
)
