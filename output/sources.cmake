list(APPEND VELMORA_CORE_SOURCES
  output/page_layout.cpp
  output/page_loop.cpp
  output/print_setup_data.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  output/print_setup.cpp
  output/print_font.cpp
  output/page_frame.cpp
  output/printing.cpp
)
