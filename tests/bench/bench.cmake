# Benchmark programs, built with everything else so that they keep compiling,
# and run by scripts/bench.sh; ctest never runs them and they assert nothing
# about time.
if(NOT CMAKE_CROSSCOMPILING)
  # A native benchmark: the portable sources compiled once more, optimised and
  # without the sanitizers the rest of this build carries (the directory's
  # options are dropped for the target and -O2 given instead), reading the
  # articles from the generated library.
  function(velmora_native_bench target)
    add_executable(${target} ${CMAKE_SOURCE_DIR}/tests/bench/${target}.cpp ${VELMORA_CORE_SOURCES})
    set_target_properties(${target} PROPERTIES COMPILE_OPTIONS "" LINK_OPTIONS "")
    target_compile_options(${target} PRIVATE -O2 -fno-sanitize=all)
    target_link_options(${target} PRIVATE -fno-sanitize=all)
    target_compile_definitions(${target} PRIVATE NDEBUG VELMORA_GENERATED_DIR="${VELMORA_GENERATED_DIR}")
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
    add_dependencies(${target} velmora_resources)
    velmora_warnings(${target})
  endfunction()
  velmora_native_bench(layout_bench)
  # The Choose Section window's list, the same way.
  velmora_native_bench(picker_layout_bench)
  # A search that finds nothing in the whole library, beside decoding alone.
  velmora_native_bench(search_bench)
  # The export of the largest article as Copy builds it.
  velmora_native_bench(export_bench)
else()
  # The view on a memory device context, with the articles as resources.
  add_executable(view_bench ${CMAKE_SOURCE_DIR}/tests/bench/view_bench.cpp)
  velmora_resources(view_bench)
  target_include_directories(view_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(view_bench PRIVATE velmora_win32)
  velmora_warnings(view_bench)

  # The Choose Section window: its layout and its opening, with the resources.
  add_executable(picker_bench ${CMAKE_SOURCE_DIR}/tests/bench/picker_bench.cpp)
  velmora_resources(picker_bench)
  target_include_directories(picker_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(picker_bench PRIVATE velmora_win32)
  velmora_warnings(picker_bench)
  # The font chooser's opening and a font change on the largest article.
  add_executable(font_bench ${CMAKE_SOURCE_DIR}/tests/bench/font_bench.cpp)
  velmora_resources(font_bench)
  target_include_directories(font_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(font_bench PRIVATE velmora_win32)
  velmora_warnings(font_bench)

  # Start-up of the real program, beside the system's notepad.exe.
  add_executable(startup_bench ${CMAKE_SOURCE_DIR}/tests/bench/startup_bench.cpp)
  target_include_directories(startup_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(startup_bench PRIVATE velmora_test_support comctl32)
  add_dependencies(startup_bench Velmora)
  velmora_warnings(startup_bench)

  # The search in the real program: a miss to its box, a hit to its paint.
  add_executable(search_ui_bench ${CMAKE_SOURCE_DIR}/tests/bench/search_ui_bench.cpp)
  target_include_directories(search_ui_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(search_ui_bench PRIVATE velmora_test_support)
  add_dependencies(search_ui_bench Velmora)
  velmora_warnings(search_ui_bench)

  # Copy in the real program, from the command to the clipboard.
  add_executable(copy_bench ${CMAKE_SOURCE_DIR}/tests/bench/copy_bench.cpp)
  target_include_directories(copy_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(copy_bench PRIVATE velmora_test_support)
  add_dependencies(copy_bench Velmora)
  velmora_warnings(copy_bench)

  # Printing from the real program to the PDF queue.
  add_executable(print_bench ${CMAKE_SOURCE_DIR}/tests/bench/print_bench.cpp)
  target_include_directories(print_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(print_bench PRIVATE velmora_test_support)
  add_dependencies(print_bench Velmora)
  velmora_warnings(print_bench)
endif()
