list(APPEND VELMORA_CORE_TESTS
)
list(APPEND VELMORA_WIN32_TESTS
  tests/app/smoke_test.cpp
)
list(APPEND VELMORA_E2E_TESTS
  tests/app/smoke_test.cpp
)
