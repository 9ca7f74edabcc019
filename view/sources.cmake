list(APPEND VELMORA_CORE_SOURCES
  view/layout.cpp
  view/line_breaker.cpp
  view/paint_plan.cpp
  view/cell_placement.cpp
  view/input_map.cpp
  view/view_geometry.cpp
  view/bookmark_list.cpp
  view/verse_selection.cpp
)
list(APPEND VELMORA_WIN32_SOURCES
  view/char_widths.cpp
  view/style_font.cpp
  view/view_lifetime.cpp
  view/view_layout.cpp
  view/draw_run.cpp
  view/paint.cpp
  view/view_window.cpp
  view/window_dpi.cpp
  view/bookmarks.cpp
  view/navigation.cpp
  view/window_title.cpp
  view/verse_drag.cpp
  view/view_colours.cpp
  view/view_events.cpp
  view/accessible_object.cpp
  view/accessible_window.cpp
)
