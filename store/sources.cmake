list(APPEND VELMORA_CORE_SOURCES
  store/article_text.cpp
  store/article_records.cpp
  store/display_order.cpp
  store/hebrew_marks.cpp
  store/mark_layer.cpp
  store/level_text.cpp
  store/article_index.cpp
  store/compression.cpp
  store/hebrew_numerals.cpp
  store/verse_map.cpp
  store/verse_reference.cpp
  store/reference_reader.cpp
  store/verse_lookup.cpp
  store/aliyah_table.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  store/article_resource.cpp
  store/verse_map_resource.cpp
  store/aliyah_table_resource.cpp
)
