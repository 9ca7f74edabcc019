list(APPEND VELMORA_CORE_SOURCES
  output/export_text.cpp
  output/rich_text.cpp
  output/clipboard_append.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  output/clipboard.cpp
  output/export_article.cpp
)
