list(APPEND VELMORA_CORE_TESTS
  tests/view/layout_test.cpp
  tests/view/paint_plan_test.cpp
  tests/view/cell_placement_test.cpp
  tests/view/mark_placement_test.cpp
  tests/view/input_map_test.cpp
  tests/view/view_geometry_test.cpp
  tests/view/bookmark_list_test.cpp
  tests/view/verse_selection_test.cpp
  tests/view/practice_test.cpp
  tests/view/out_of_memory_test.cpp
)
list(APPEND VELMORA_WIN32_TESTS
  tests/view/view_gdi_test.cpp
  tests/view/char_widths_test.cpp
)
list(APPEND VELMORA_E2E_TESTS
)
