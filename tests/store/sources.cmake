list(APPEND VELMORA_CORE_TESTS
  tests/store/article_text_test.cpp
  tests/store/compression_test.cpp
  tests/store/mark_layer_test.cpp
  tests/store/article_index_test.cpp
  tests/store/hebrew_numerals_test.cpp
  tests/store/verse_map_test.cpp
  tests/store/verse_reference_test.cpp
)
list(APPEND VELMORA_WIN32_TESTS
  tests/store/article_resource_test.cpp
)
list(APPEND VELMORA_E2E_TESTS
)
