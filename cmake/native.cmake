# Native build: the portable core and its suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the build-time tools with the library they make.

enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

add_subdirectory(tools ${CMAKE_BINARY_DIR}/tools)

include(cmake/tests.cmake)
add_executable(core_tests ${VELMORA_CORE_TESTS})
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(core_tests PRIVATE velmora_core velmora_encoder GTest::gtest_main)
velmora_warnings(core_tests)
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60)

# Tests of the build tools and of the library they made from the Codex.
add_executable(library_tests ${VELMORA_LIBRARY_TESTS})
target_include_directories(library_tests PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(library_tests PRIVATE VELMORA_GENERATED_DIR="${VELMORA_GENERATED_DIR}"
                                                 VELMORA_DATA_DIR="${CMAKE_SOURCE_DIR}/data"
                                                 VELMORA_MORPHHB_DIR="${MORPHHB_DIR}")
target_link_libraries(library_tests PRIVATE velmora_tooling GTest::gtest_main)
add_dependencies(library_tests velmora_resources)
velmora_warnings(library_tests)
gtest_discover_tests(library_tests DISCOVERY_TIMEOUT 60)
include(${CMAKE_SOURCE_DIR}/tests/bench/bench.cmake)
