list(APPEND VELMORA_CORE_TESTS
  tests/dialogs/font_choice_test.cpp
  tests/dialogs/font_list_test.cpp
)
list(APPEND VELMORA_WIN32_TESTS
  tests/dialogs/font_dialog_driver.cpp
  tests/dialogs/font_dialog_test.cpp
  tests/dialogs/font_command_test.cpp
)
list(APPEND VELMORA_E2E_TESTS
  tests/dialogs/font_dialog_driver.cpp
  tests/dialogs/font_dialog_e2e_test.cpp
)
