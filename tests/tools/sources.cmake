list(APPEND VELMORA_CORE_TESTS
)
list(APPEND VELMORA_WIN32_TESTS
)
list(APPEND VELMORA_E2E_TESTS
)
list(APPEND VELMORA_LIBRARY_TESTS
  tests/tools/bitmaps_test.cpp
  tests/tools/library_reference.cpp
  tests/tools/hebrew_encoder_test.cpp
  tests/tools/codex_reader_test.cpp
  tests/tools/article_builder_test.cpp
  tests/tools/library_tables_test.cpp
  tests/tools/library_blocks_test.cpp
  tests/tools/library_round_trip_test.cpp
  tests/tools/library_verses_test.cpp
  tests/tools/aliyah_table_test.cpp
)
