# libFuzzer build (clang): a fuzzer per reader of resource bytes or outside
# data, and the seed corpora that fuzz_seeds_writer writes for them into
# seeds/<target>.
# scripts/fuzz.sh runs them.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzzing build needs clang++ (libFuzzer)")
endif()

set(VELMORA_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
# The code under test carries libFuzzer's coverage hooks as well.
foreach(target velmora_core velmora_encoder)
  target_compile_options(${target} PRIVATE ${VELMORA_FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link)
endforeach()

function(velmora_fuzzer target source)
  add_executable(${target} ${CMAKE_SOURCE_DIR}/tests/fuzz/${source})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_options(${target} PRIVATE ${VELMORA_FUZZ_SANITIZERS} -fsanitize=fuzzer)
  target_link_options(${target} PRIVATE ${VELMORA_FUZZ_SANITIZERS} -fsanitize=fuzzer)
  target_link_libraries(${target} PRIVATE velmora_encoder velmora_core)
  velmora_warnings(${target})
endfunction()

# The decoder alone, and the decoder with the encoder's round trip.
velmora_fuzzer(uncompress_fuzzer uncompress_fuzzer.cpp)
velmora_fuzzer(uncompress_round_trip_fuzzer uncompress_fuzzer.cpp)
target_compile_definitions(uncompress_round_trip_fuzzer PRIVATE VELMORA_ROUND_TRIP)
# The record walk of an article (the layout) and the index rows.
velmora_fuzzer(layout_fuzzer layout_fuzzer.cpp)
velmora_fuzzer(index_fuzzer index_fuzzer.cpp)
# What comes from the registry, the clipboard or a printer driver: the stored
# bookmarks, the search's matcher over any text and pattern, the append to
# another program's clipboard data, the stored device mode and the settings
# values from registry data of any type and length.
velmora_fuzzer(bookmark_fuzzer bookmark_fuzzer.cpp)
velmora_fuzzer(search_match_fuzzer search_match_fuzzer.cpp)
velmora_fuzzer(clipboard_fuzzer clipboard_fuzzer.cpp)
velmora_fuzzer(devmode_fuzzer devmode_fuzzer.cpp)
velmora_fuzzer(search_text_fuzzer search_text_fuzzer.cpp)
velmora_fuzzer(registry_value_fuzzer registry_value_fuzzer.cpp)
# A font's GPOS table, read for the marks that Wine's shaper mishandles.
velmora_fuzzer(mark_glyphs_fuzzer mark_glyphs_fuzzer.cpp)

add_executable(fuzz_seeds_writer ${CMAKE_SOURCE_DIR}/tests/fuzz/fuzz_seeds_main.cpp)
target_include_directories(fuzz_seeds_writer PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(fuzz_seeds_writer PRIVATE ${VELMORA_FUZZ_SANITIZERS})
target_link_options(fuzz_seeds_writer PRIVATE ${VELMORA_FUZZ_SANITIZERS})
target_link_libraries(fuzz_seeds_writer PRIVATE velmora_encoder velmora_core)
velmora_warnings(fuzz_seeds_writer)

set(VELMORA_SEEDS_DIR ${CMAKE_BINARY_DIR}/seeds)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/seeds.stamp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELMORA_SEEDS_DIR}
  COMMAND fuzz_seeds_writer ${VELMORA_SEEDS_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/seeds.stamp
  DEPENDS fuzz_seeds_writer
  COMMENT "Writing the fuzzers' seed corpora")
add_custom_target(fuzz_seeds ALL DEPENDS ${CMAKE_BINARY_DIR}/seeds.stamp)
