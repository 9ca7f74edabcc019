list(APPEND VELMORA_CORE_TESTS
  tests/dialogs/picker_list_test.cpp
)
list(APPEND VELMORA_WIN32_TESTS
  tests/dialogs/choose_section_test.cpp
)
list(APPEND VELMORA_E2E_TESTS
  tests/dialogs/choose_section_e2e_test.cpp
)
