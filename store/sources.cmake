list(APPEND VELMORA_CORE_SOURCES
  store/article_text.cpp
  store/article_records.cpp
  store/display_order.cpp
  store/article_index.cpp
  store/compression.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  store/article_resource.cpp
)
