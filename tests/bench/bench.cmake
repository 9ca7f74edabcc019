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
  # The Choose Article window's list, the same way.
  velmora_native_bench(picker_layout_bench)
  # A search that finds nothing in the whole library, beside decoding alone.
  velmora_native_bench(search_bench)
  # The export of the largest article as Copy builds it.
  velmora_native_bench(export_bench)
else()
  # A benchmark inside the test process, with the program's code and resources.
  function(velmora_code_bench target)
    add_executable(${target} ${CMAKE_SOURCE_DIR}/tests/bench/${target}.cpp)
    velmora_resources(${target})
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} PRIVATE velmora_win32)
    velmora_warnings(${target})
  endfunction()
  # A benchmark that times the real Velmora.exe from outside.
  function(velmora_program_bench target)
    add_executable(${target} ${CMAKE_SOURCE_DIR}/tests/bench/${target}.cpp)
    target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${target} PRIVATE velmora_test_support comctl32)
    add_dependencies(${target} Velmora)
    velmora_warnings(${target})
  endfunction()

  # The view on a memory device context, with the articles as resources.
  velmora_code_bench(view_bench)
  # The Choose Article window: its layout and its opening.
  velmora_code_bench(picker_bench)
  # The font chooser's opening and a font change on the largest article.
  velmora_code_bench(font_bench)
  # Start-up of the real program, beside the system's notepad.exe.
  velmora_program_bench(startup_bench)
  # The search in the real program: a miss to its box, a hit to its paint.
  velmora_program_bench(search_ui_bench)
  # Copy in the real program, from the command to the clipboard.
  velmora_program_bench(copy_bench)
  # Printing from the real program to the PDF queue.
  velmora_program_bench(print_bench)
endif()
