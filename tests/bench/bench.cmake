# Benchmark programs, built with everything else so that they keep compiling,
# and run by scripts/bench.sh; ctest never runs them and they assert nothing
# about time.
if(NOT CMAKE_CROSSCOMPILING)
  # The portable sources compiled once more for the layout benchmark, optimised
  # and without the sanitizers the rest of this build carries: the directory's
  # options are dropped for this target and -O2 given instead.
  add_executable(layout_bench ${CMAKE_SOURCE_DIR}/tests/bench/layout_bench.cpp ${VELMORA_CORE_SOURCES})
  set_target_properties(layout_bench PROPERTIES COMPILE_OPTIONS "" LINK_OPTIONS "")
  target_compile_options(layout_bench PRIVATE -O2 -fno-sanitize=all)
  target_link_options(layout_bench PRIVATE -fno-sanitize=all)
  target_compile_definitions(layout_bench PRIVATE NDEBUG VELMORA_GENERATED_DIR="${VELMORA_GENERATED_DIR}")
  target_include_directories(layout_bench PRIVATE ${CMAKE_SOURCE_DIR})
  add_dependencies(layout_bench velmora_resources)
  velmora_warnings(layout_bench)
else()
  # The view on a memory device context, with the articles as resources.
  add_executable(view_bench ${CMAKE_SOURCE_DIR}/tests/bench/view_bench.cpp)
  velmora_resources(view_bench)
  target_include_directories(view_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(view_bench PRIVATE velmora_win32)
  velmora_warnings(view_bench)

  # Start-up of the real program, beside the system's notepad.exe.
  add_executable(startup_bench ${CMAKE_SOURCE_DIR}/tests/bench/startup_bench.cpp)
  target_include_directories(startup_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(startup_bench PRIVATE velmora_test_support comctl32)
  add_dependencies(startup_bench Velmora)
  velmora_warnings(startup_bench)

  # Printing from the real program to the PDF queue.
  add_executable(print_bench ${CMAKE_SOURCE_DIR}/tests/bench/print_bench.cpp)
  target_include_directories(print_bench PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(print_bench PRIVATE velmora_test_support)
  add_dependencies(print_bench Velmora)
  velmora_warnings(print_bench)
endif()
