# libFuzzer build (clang): the decoder's fuzzer and the seed corpus that the
# encoder writes for it into uncompress-seeds. scripts/fuzz.sh runs it.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The fuzzing build needs clang++ (libFuzzer)")
endif()

set(VELMORA_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
# The code under test carries libFuzzer's coverage hooks as well.
foreach(target velmora_core velmora_encoder)
  target_compile_options(${target} PRIVATE ${VELMORA_FUZZ_SANITIZERS} -fsanitize=fuzzer-no-link)
endforeach()

add_executable(uncompress_fuzzer ${CMAKE_SOURCE_DIR}/tests/fuzz/uncompress_fuzzer.cpp)
target_include_directories(uncompress_fuzzer PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(uncompress_fuzzer PRIVATE ${VELMORA_FUZZ_SANITIZERS} -fsanitize=fuzzer)
target_link_options(uncompress_fuzzer PRIVATE ${VELMORA_FUZZ_SANITIZERS} -fsanitize=fuzzer)
target_link_libraries(uncompress_fuzzer PRIVATE velmora_encoder velmora_core)
velmora_warnings(uncompress_fuzzer)

add_executable(uncompress_seeds_writer ${CMAKE_SOURCE_DIR}/tests/fuzz/uncompress_seeds_main.cpp)
target_include_directories(uncompress_seeds_writer PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(uncompress_seeds_writer PRIVATE ${VELMORA_FUZZ_SANITIZERS})
target_link_options(uncompress_seeds_writer PRIVATE ${VELMORA_FUZZ_SANITIZERS})
target_link_libraries(uncompress_seeds_writer PRIVATE velmora_encoder velmora_core)
velmora_warnings(uncompress_seeds_writer)

set(VELMORA_SEEDS_DIR ${CMAKE_BINARY_DIR}/uncompress-seeds)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/uncompress-seeds.stamp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELMORA_SEEDS_DIR}
  COMMAND uncompress_seeds_writer ${VELMORA_SEEDS_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/uncompress-seeds.stamp
  DEPENDS uncompress_seeds_writer
  COMMENT "Writing the decoder's seed corpus")
add_custom_target(uncompress_seeds ALL DEPENDS ${CMAKE_BINARY_DIR}/uncompress-seeds.stamp)
