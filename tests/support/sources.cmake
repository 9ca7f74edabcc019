set(VELMORA_TEST_SUPPORT
  tests/support/wait.cpp
  tests/support/scratch_registry.cpp
  tests/support/velmora_process.cpp
  tests/support/screen_capture.cpp
  tests/support/unix_host.cpp
  tests/support/clipboard_access.cpp
)
