list(APPEND VELMORA_CORE_TESTS
  tests/settings/settings_test.cpp
  tests/settings/registry_data_test.cpp
)
list(APPEND VELMORA_WIN32_TESTS
  tests/settings/registry_test.cpp
  tests/settings/settings_store_test.cpp
  tests/settings/window_placement_test.cpp
)
list(APPEND VELMORA_E2E_TESTS
)
