list(APPEND VELMORA_CORE_TESTS
  tests/dialogs/picker_list_test.cpp
  tests/dialogs/picker_focus_test.cpp
  tests/dialogs/search_match_test.cpp
  tests/dialogs/search_walk_test.cpp
  tests/dialogs/hebrew_typing_test.cpp
  tests/dialogs/font_choice_test.cpp
  tests/dialogs/font_list_test.cpp
  tests/dialogs/mark_glyphs_test.cpp
)
list(APPEND VELMORA_WIN32_TESTS
  tests/dialogs/choose_section_test.cpp
  tests/dialogs/search_window_test.cpp
  tests/dialogs/font_dialog_driver.cpp
  tests/dialogs/font_dialog_test.cpp
  tests/dialogs/font_command_test.cpp
  tests/dialogs/go_to_verse_test.cpp
)
list(APPEND VELMORA_E2E_TESTS
  tests/dialogs/choose_section_e2e_test.cpp
  tests/dialogs/search_e2e_test.cpp
  tests/dialogs/font_dialog_driver.cpp
  tests/dialogs/font_dialog_e2e_test.cpp
  tests/dialogs/go_to_verse_e2e_test.cpp
  tests/dialogs/calendar_e2e_test.cpp
  tests/dialogs/dialog_names_e2e_test.cpp
)
list(APPEND VELMORA_LIBRARY_TESTS
  tests/dialogs/library_search_test.cpp
)
