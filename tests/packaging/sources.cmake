list(APPEND VELMORA_INSTALLER_TESTS
  tests/packaging/installer_e2e_test.cpp
)
