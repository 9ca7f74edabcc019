list(APPEND VELMORA_CORE_TESTS
  tests/output/export_text_test.cpp
  tests/output/rich_text_test.cpp
  tests/output/plain_text_test.cpp
  tests/output/page_layout_test.cpp
  tests/output/page_loop_test.cpp
  tests/output/print_setup_data_test.cpp
)
list(APPEND VELMORA_WIN32_TESTS
  tests/output/export_article_test.cpp
  tests/output/print_setup_test.cpp
)
list(APPEND VELMORA_E2E_TESTS
  tests/output/clipboard_e2e_test.cpp
  tests/output/print_e2e_test.cpp
)
list(APPEND VELMORA_LIBRARY_TESTS
  tests/output/export_library_test.cpp
)
