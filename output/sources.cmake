list(APPEND VELMORA_CORE_SOURCES
  output/export_text.cpp
  output/screen_text.cpp
  output/plain_text.cpp
  output/rich_text.cpp
  output/clipboard_append.cpp
  output/page_layout.cpp
  output/page_loop.cpp
  output/print_setup_data.cpp
  output/selection_text.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  output/global_block.cpp
  output/clipboard.cpp
  output/export_article.cpp
  output/print_calls.cpp
  output/print_setup.cpp
  output/print_font.cpp
  output/page_frame.cpp
  output/printing.cpp
)
