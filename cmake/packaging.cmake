# What a Windows user downloads: the installer (packaging/velmora.wxs, built by
# wixl from the Debian package wixl) and a portable zip of the program. The
# "installer" target writes both to package/ in the build folder; without wixl
# it is left out.

# The version is the one the program shows (app/update_address.h), e.g. "1.84a".
file(STRINGS ${CMAKE_SOURCE_DIR}/app/update_address.h version_line REGEX "kVersionText\\[\\] = u\"")
string(REGEX REPLACE ".*u\"([^\"]*)\".*" "\\1" VELMORA_VERSION "${version_line}")
# Windows Installer compares numeric versions only, major.minor.build, so the
# letter becomes the build number: none 0, a 1, b 2, ... "1.84a" is 1.84.1,
# which "1.84b" (1.84.2) and "1.85" (1.85.0) upgrade in place.
if(NOT VELMORA_VERSION MATCHES "^([0-9]+)\\.([0-9]+)([a-z]?)$")
  message(FATAL_ERROR "No installer version for the program's version \"${VELMORA_VERSION}\"")
endif()
set(VELMORA_MSI_BUILD 0)
if(CMAKE_MATCH_3)
  string(FIND "abcdefghijklmnopqrstuvwxyz" "${CMAKE_MATCH_3}" letter)
  math(EXPR VELMORA_MSI_BUILD "${letter} + 1")
endif()
set(VELMORA_MSI_VERSION "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${VELMORA_MSI_BUILD}")

set(VELMORA_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package)
set(VELMORA_MSI ${VELMORA_PACKAGE_DIR}/Velmora-${VELMORA_VERSION}.msi)
set(VELMORA_ZIP ${VELMORA_PACKAGE_DIR}/Velmora-${VELMORA_VERSION}.zip)
set(VELMORA_WXS ${CMAKE_SOURCE_DIR}/packaging/velmora.wxs)
set(VELMORA_README_TXT ${CMAKE_SOURCE_DIR}/packaging/README.txt)
set(VELMORA_ICON ${VELMORA_GENERATED_DIR}/velmora_101.ico)

find_program(WIXL_EXECUTABLE wixl)
if(NOT WIXL_EXECUTABLE)
  return()
endif()

# velmora_msi(OUTPUT version display_version): the installer of this build's
# Velmora.exe under a given version. wixl finds a file only by a path relative
# to where it runs, the build folder here.
function(velmora_msi output version display_version)
  file(RELATIVE_PATH icon ${CMAKE_BINARY_DIR} ${VELMORA_ICON})
  file(RELATIVE_PATH readme ${CMAKE_BINARY_DIR} ${VELMORA_README_TXT})
  add_custom_command(OUTPUT ${output}
    COMMAND ${WIXL_EXECUTABLE} -a x64 -D ProductVersion=${version} -D DisplayVersion=${display_version}
            -D ExeFile=$<TARGET_FILE_NAME:Velmora> -D IconFile=${icon} -D ReadmeFile=${readme}
            -o ${output} ${VELMORA_WXS}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS Velmora ${VELMORA_WXS} ${VELMORA_README_TXT} ${VELMORA_ICON}
    COMMENT "Building the installer ${output}")
endfunction()
velmora_msi(${VELMORA_MSI} ${VELMORA_MSI_VERSION} ${VELMORA_VERSION})

# The zip holds one folder, Velmora, to unpack anywhere and run from.
set(stage ${CMAKE_BINARY_DIR}/package-stage)
add_custom_command(OUTPUT ${VELMORA_ZIP}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/Velmora
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:Velmora> ${VELMORA_README_TXT} ${stage}/Velmora/
  COMMAND ${CMAKE_COMMAND} -E rm -f ${VELMORA_ZIP}
  COMMAND ${CMAKE_COMMAND} -E chdir ${stage} ${CMAKE_COMMAND} -E tar cf ${VELMORA_ZIP} --format=zip Velmora
  DEPENDS Velmora ${VELMORA_README_TXT}
  COMMENT "Building the portable zip ${VELMORA_ZIP}")

add_custom_target(installer ALL DEPENDS ${VELMORA_MSI} ${VELMORA_ZIP})
