list(APPEND VELMORA_CORE_SOURCES
)
list(APPEND VELMORA_WIN32_SOURCES
  view/style_font.cpp
  view/view_lifetime.cpp
)
