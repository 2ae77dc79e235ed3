# SPDX-License-Identifier: MIT
# Read by cpack before it makes the .deb (CPACK_PROJECT_CONFIG_FILE): the
# packages of the libraries the program links, as dpkg-shlibdeps names them on
# the release the package is built on. CPack's own call passes
# --ignore-missing-info, which leaves out a library whose package it cannot
# tell without a word, and makes a package that installs and then cannot
# start: here that stops the build with dpkg-shlibdeps's reason.
if(CPACK_GENERATOR STREQUAL "DEB")
  execute_process(COMMAND mktemp -d OUTPUT_VARIABLE work OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
  # dpkg-shlibdeps reads the package's name from a debian/control in its folder.
  file(WRITE "${work}/debian/control" "")
  execute_process(COMMAND dpkg-shlibdeps -O "${CPACK_STARQUILL_PROGRAM}"
                  WORKING_DIRECTORY "${work}" RESULT_VARIABLE failed OUTPUT_VARIABLE found
                  ERROR_VARIABLE problems OUTPUT_STRIP_TRAILING_WHITESPACE)
  file(REMOVE_RECURSE "${work}")
  if(failed OR NOT found MATCHES "^shlibs:Depends=(.+)$")
    message(FATAL_ERROR "dpkg-shlibdeps cannot name the packages of the libraries "
                        "${CPACK_STARQUILL_PROGRAM} links (${failed}):\n${problems}")
  endif()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
endif()
