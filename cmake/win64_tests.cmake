# The Windows suites, which ctest runs under Wine (through tests/wine/suite.sh)
# or directly on Windows, and the benchmarks.

# GoogleTest from the Debian sources, compiled for Windows.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(VELMORA_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
add_subdirectory(${VELMORA_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

enable_testing()
include(GoogleTest)
include(cmake/tests.cmake)

if(CMAKE_HOST_WIN32)
  set(VELMORA_TEST_RUNNER "")
else()
  set(VELMORA_SUITE ${CMAKE_SOURCE_DIR}/tests/wine/suite.sh)
  set(VELMORA_TEST_RUNNER ${VELMORA_SUITE} run ${CMAKE_BINARY_DIR})
  add_test(NAME wine_suite_start COMMAND ${VELMORA_SUITE} start ${CMAKE_BINARY_DIR})
  add_test(NAME wine_suite_stop COMMAND ${VELMORA_SUITE} stop ${CMAKE_BINARY_DIR})
  # Wine lists the printers when a process starts: the PDF queue comes first.
  add_test(NAME pdf_queue_start COMMAND ${CMAKE_SOURCE_DIR}/tests/output/pdf_queue.sh start)
  set_tests_properties(pdf_queue_start PROPERTIES FIXTURES_SETUP pdf_queue)
  set_tests_properties(wine_suite_start PROPERTIES FIXTURES_SETUP wine FIXTURES_REQUIRED pdf_queue)
  set_tests_properties(wine_suite_stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# Helpers the Windows suites share: waiting, the scratch registry, running the
# real program, screen capture.
include(${CMAKE_SOURCE_DIR}/tests/support/sources.cmake)
list(TRANSFORM VELMORA_TEST_SUPPORT PREPEND "${CMAKE_SOURCE_DIR}/")
add_library(velmora_test_support STATIC ${VELMORA_TEST_SUPPORT})
target_include_directories(velmora_test_support PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(velmora_test_support PUBLIC ${VELMORA_SYSTEM_LIBS} comdlg32 winspool shell32 ole32 oleacc oleaut32)

function(velmora_windows_suite target)
  add_executable(${target} ${ARGN})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE velmora_win32 velmora_encoder velmora_test_support gtest_main)
  velmora_warnings(${target})
  if(VELMORA_TEST_RUNNER)
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${VELMORA_TEST_RUNNER}")
  endif()
endfunction()

# The portable suite once more, built by this compiler for this platform.
velmora_windows_suite(core_tests ${VELMORA_CORE_TESTS})
add_test(NAME core_tests COMMAND core_tests)

velmora_windows_suite(win32_tests ${VELMORA_WIN32_TESTS})
velmora_resources(win32_tests)
# Both suites use the program's registry key and its window class, so that
# none of their tests may run beside another, even with ctest -j.
gtest_discover_tests(win32_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                     PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120 RESOURCE_LOCK velmora_desktop)

velmora_windows_suite(e2e_tests ${VELMORA_E2E_TESTS})
add_dependencies(e2e_tests Velmora)
gtest_discover_tests(e2e_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                     PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 120 RESOURCE_LOCK velmora_desktop)

# The checks of a screen's scale once more on screens of 144 and 192 dots per
# inch, each in a prefix of its own; the other suites stay at 96.
if(VELMORA_TEST_RUNNER)
  foreach(dpi 144 192)
    add_test(NAME e2e_tests_at_${dpi}_dpi
             COMMAND ${VELMORA_SUITE} run ${CMAKE_BINARY_DIR} --dpi ${dpi} $<TARGET_FILE:e2e_tests>
                     --gtest_filter=ScaledScreen*)
    set_tests_properties(e2e_tests_at_${dpi}_dpi PROPERTIES
                         FIXTURES_REQUIRED wine TIMEOUT 300 RESOURCE_LOCK velmora_desktop)
  endforeach()
endif()

# The long runs get their own time limit; a loaded machine slows each step.
velmora_windows_suite(reliability_tests ${VELMORA_RELIABILITY_TESTS})
velmora_resources(reliability_tests)
add_dependencies(reliability_tests Velmora)
gtest_discover_tests(reliability_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                     PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 900 RESOURCE_LOCK velmora_desktop)

set_tests_properties(core_tests PROPERTIES FIXTURES_REQUIRED wine)

# The installer under Wine: msiexec installs it in the suite's prefix, the
# shortcut starts the reader, a later version (built here for the test alone)
# replaces it, and removal keeps the settings.
if(NOT CMAKE_HOST_WIN32)
  if(NOT WIXL_EXECUTABLE)
    message(FATAL_ERROR "The installer's test needs wixl (Debian package wixl; ./scripts/install-deps.sh test)")
  endif()
  math(EXPR later_build "${VELMORA_MSI_BUILD} + 1")
  string(REGEX REPLACE "[0-9]+$" "${later_build}" later_version "${VELMORA_MSI_VERSION}")
  set(later_msi ${CMAKE_BINARY_DIR}/installer-test/Velmora-later.msi)
  velmora_msi(${later_msi} ${later_version} later)
  add_custom_target(installer_later DEPENDS ${later_msi})

  velmora_windows_suite(installer_tests ${VELMORA_INSTALLER_TESTS})
  target_link_libraries(installer_tests PRIVATE msi ole32 uuid)
  target_compile_definitions(installer_tests PRIVATE VELMORA_VERSION="${VELMORA_VERSION}"
                             VELMORA_MSI_VERSION="${VELMORA_MSI_VERSION}" VELMORA_MSI_LATER_VERSION="${later_version}")
  add_dependencies(installer_tests installer installer_later)
  gtest_discover_tests(installer_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300 RESOURCE_LOCK velmora_desktop)
endif()
include(${CMAKE_SOURCE_DIR}/tests/bench/bench.cmake)
