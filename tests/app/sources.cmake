list(APPEND VELMORA_CORE_TESTS
  tests/app/update_address_test.cpp
)
list(APPEND VELMORA_WIN32_TESTS
  tests/app/memory_test.cpp
  tests/app/out_of_memory_test.cpp
  tests/support/allocation_limit.cpp
  tests/app/main_window_test.cpp
  tests/app/text_level_test.cpp
  tests/app/aliyot_test.cpp
  tests/app/about_box_test.cpp
  tests/app/startup_test.cpp
  tests/app/screen_scale_test.cpp
  tests/app/high_contrast_test.cpp
)
list(APPEND VELMORA_E2E_TESTS
  tests/app/e2e_fixture.cpp
  tests/app/startup_e2e_test.cpp
  tests/app/reading_e2e_test.cpp
  tests/app/about_e2e_test.cpp
  tests/app/scaled_screen_e2e_test.cpp
  tests/app/screen_reader_e2e_test.cpp
  tests/app/aliyot_e2e_test.cpp
)
# The long runs: corrupted settings, the random run, repeated starts, and the
# leak check, which runs the program on a thread of its own process.
list(APPEND VELMORA_RELIABILITY_TESTS
  tests/app/e2e_fixture.cpp
  tests/app/monkey.cpp
  tests/app/reliability_e2e_test.cpp
  tests/app/program_thread.cpp
  tests/app/leak_check_test.cpp
)
