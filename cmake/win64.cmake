# Windows build: Velmora.exe with its resources, and unless VELMORA_TESTS is off
# the suites that ctest runs under Wine (cmake/win64_tests.cmake).
include(ExternalProject)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -DUNICODE -D_UNICODE")

# The tools run on the build machine, so they are a host project of their own.
set(VELMORA_HOST_DIR "${CMAKE_BINARY_DIR}/host-tools")
set(VELMORA_GENERATED_DIR "${VELMORA_HOST_DIR}/generated")
ExternalProject_Add(host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
  BINARY_DIR ${VELMORA_HOST_DIR}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DMORPHHB_DIR=${MORPHHB_DIR} -DLEYNING_DIR=${LEYNING_DIR}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${VELMORA_GENERATED_DIR}/library.rc ${VELMORA_GENERATED_DIR}/bitmaps.rc
                   ${VELMORA_GENERATED_DIR}/velmora_101.ico)

# Only what the first paint needs: the page set-up, the printers and the shell
# are loaded on first use (app/late_library.cpp).
set(VELMORA_SYSTEM_LIBS user32 gdi32 comctl32 advapi32)

add_library(velmora_win32 STATIC ${VELMORA_WIN32_SOURCES})
target_link_libraries(velmora_win32 PUBLIC velmora_core ${VELMORA_SYSTEM_LIBS})
velmora_warnings(velmora_win32)

set(VELMORA_RC "${CMAKE_SOURCE_DIR}/resources/velmora.rc")
# The dialogs, each in a script of its own that velmora.rc includes.
set(VELMORA_DIALOG_RC about font_dialog search_dialog choose_section go_to_verse calendar
                      bookmark_question)
list(TRANSFORM VELMORA_DIALOG_RC PREPEND "${CMAKE_SOURCE_DIR}/resources/")
list(TRANSFORM VELMORA_DIALOG_RC APPEND ".rc")
set_source_files_properties(${VELMORA_RC} PROPERTIES
  OBJECT_DEPENDS "${VELMORA_GENERATED_DIR}/library.rc;${VELMORA_GENERATED_DIR}/bitmaps.rc;${CMAKE_SOURCE_DIR}/resources/resource.h;${CMAKE_SOURCE_DIR}/resources/velmora.manifest;${VELMORA_DIALOG_RC}")

function(velmora_resources target)
  target_sources(${target} PRIVATE ${VELMORA_RC})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/resources ${VELMORA_GENERATED_DIR})
  add_dependencies(${target} host_tools)
endfunction()

add_executable(Velmora WIN32 ${CMAKE_SOURCE_DIR}/${VELMORA_ENTRY_SOURCE})
velmora_resources(Velmora)
target_link_libraries(Velmora PRIVATE velmora_win32)
if(MINGW)
  target_link_options(Velmora PRIVATE -municode)  # the entry point is wWinMain
  # The static runtime brings its own debugging sections, a fifth of the file.
  target_link_options(Velmora PRIVATE $<$<NOT:$<CONFIG:Debug>>:-Wl,--strip-debug>)
endif()
velmora_warnings(Velmora)
include(cmake/packaging.cmake)

if(VELMORA_TESTS)
  include(cmake/win64_tests.cmake)
endif()
