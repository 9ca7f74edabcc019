list(APPEND VELMORA_CORE_TESTS
)
list(APPEND VELMORA_WIN32_TESTS
)
list(APPEND VELMORA_E2E_TESTS
)
list(APPEND VELMORA_LIBRARY_TESTS
  tests/tools/library_placeholder_test.cpp
  tests/tools/bitmaps_test.cpp
)
