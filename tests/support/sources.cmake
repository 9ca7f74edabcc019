set(VELMORA_TEST_SUPPORT
  tests/support/wait.cpp
  tests/support/scratch_registry.cpp
  tests/support/velmora_process.cpp
  tests/support/screen_capture.cpp
  tests/support/pdf_output.cpp
)
