# SPDX-License-Identifier: MIT
# Installation (program, desktop entry, icons, AppStream metainfo, manual page,
# copyright and changelog) and the .deb package. Included from the top-level
# CMakeLists.txt.

include(GNUInstallDirs)

# Reverse-DNS id shared by the desktop entry, the icon and the metainfo, so
# software centres and desktops can tie them together.
set(STARQUILL_APP_ID com.lanternsoftwares.Starquill)
set(STARQUILL_RELEASE_DATE 2026-12-06)
set(STARQUILL_ICON_SIZES 16 22 24 32 48 64 128 256)

set(STARQUILL_DEB_MAINTAINER "Lantern Softwares <support@lanternsoftwares.com>"
    CACHE STRING "Maintainer field of the .deb package")

# Debian's own programs are linked with immediate binding (dpkg-buildflags).
target_link_options(StarquillFree PRIVATE LINKER:-z,now)
install(TARGETS StarquillFree RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (cpack) also drops the compiler's .comment and .note
# sections, as dh_strip does for Debian's own packages.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:StarquillFree>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")

install(FILES ${PROJECT_SOURCE_DIR}/resources/${STARQUILL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The metainfo carries the site root, the version and the languages, which are only known here.
list(TRANSFORM STARQUILL_LANGUAGES REPLACE "(.+)" "    <lang percentage=\"100\">\\1</lang>"
     OUTPUT_VARIABLE metainfo_languages)
list(JOIN metainfo_languages "\n" STARQUILL_METAINFO_LANGUAGES)
# AppStream 1.0 (Debian 13) names the maker in <developer>, and calls the older
# <developer_name> deprecated; AppStream 0.16 (Debian 12) knows only the older.
# The package is for the release it is built on: the form is that of its
# appstreamcli, or 1.0's where there is none.
find_program(STARQUILL_APPSTREAMCLI appstreamcli)
set(appstream_version 1.0)
if(STARQUILL_APPSTREAMCLI)
  execute_process(COMMAND ${STARQUILL_APPSTREAMCLI} --version OUTPUT_VARIABLE appstream_version
                  ERROR_QUIET)
  string(REGEX MATCH "[0-9]+\\.[0-9]+(\\.[0-9]+)?" appstream_version "${appstream_version}")
endif()
if(appstream_version VERSION_LESS 1.0)
  set(STARQUILL_METAINFO_DEVELOPER "<developer_name>Lantern Softwares</developer_name>")
else()
  string(CONCAT STARQUILL_METAINFO_DEVELOPER "<developer id=\"com.lanternsoftwares\">\n"
         "    <name>Lantern Softwares</name>\n  </developer>")
endif()
configure_file(${PROJECT_SOURCE_DIR}/resources/${STARQUILL_APP_ID}.metainfo.xml.in
               ${PROJECT_BINARY_DIR}/${STARQUILL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${STARQUILL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The PNGs are committed renders of the SVG (resources/icons/render.sh), so the
# build needs no SVG renderer.
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/starquill.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${STARQUILL_APP_ID}.svg)
foreach(size ${STARQUILL_ICON_SIZES})
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/${STARQUILL_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${STARQUILL_SITE_ROOT}/starquill-free/")
# The changelog's date, in the form Debian's changelogs use.
execute_process(COMMAND date -u -R -d "${STARQUILL_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE STARQUILL_RELEASE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
# The licence text as a DEP-5 copyright file wants it: the body of LICENSE
# after its copyright line, each line indented, blank lines as " .".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE STARQUILL_LICENSE_TEXT)
string(REGEX REPLACE "^.*Copyright[^\n]*\n+" "" STARQUILL_LICENSE_TEXT "${STARQUILL_LICENSE_TEXT}")
string(STRIP "${STARQUILL_LICENSE_TEXT}" STARQUILL_LICENSE_TEXT)
string(REPLACE "\n\n" "\n.\n" STARQUILL_LICENSE_TEXT " ${STARQUILL_LICENSE_TEXT}")
string(REPLACE "\n" "\n " STARQUILL_LICENSE_TEXT "${STARQUILL_LICENSE_TEXT}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)

# starquill_document(<template> <output>): configures a template from
# resources/ into the build folder, without its "#" comment lines when
# STRIP_COMMENTS is given, and gzipped (-9n, so the package is reproducible)
# when GZIP is given.
function(starquill_document template output)
  cmake_parse_arguments(PARSE_ARGV 2 arg "STRIP_COMMENTS;GZIP" "" "")
  set(in ${PROJECT_SOURCE_DIR}/resources/${template})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${in})
  file(READ ${in} text)
  if(arg_STRIP_COMMENTS)
    string(REGEX REPLACE "\n#[^\n]*" "" text "\n${text}")
    string(REGEX REPLACE "^\n" "" text "${text}")
  endif()
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/${output} CONTENT "${text}" @ONLY)
  if(arg_GZIP)
    execute_process(COMMAND gzip -9nkf ${PROJECT_BINARY_DIR}/${output} COMMAND_ERROR_IS_FATAL ANY)
  endif()
endfunction()

starquill_document(StarquillFree.6.in StarquillFree.6 GZIP)
install(FILES ${PROJECT_BINARY_DIR}/StarquillFree.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# Debian's place for them, whatever the prefix: /usr/share/doc/<package>.
set(STARQUILL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/starquill)
starquill_document(copyright.in copyright STRIP_COMMENTS)
starquill_document(changelog.in changelog STRIP_COMMENTS GZIP)
install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${STARQUILL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME starquill)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME starquill)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Lantern Softwares")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Zodiac sign of the asteroid Psyche on your date of birth")
# Lines under 80 columns, as Debian's tools expect of a long description.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Starquill is a small desktop program of popular astrology. Type your\n"
       "name and pick a date of birth from 1940 to 1990: it tells you the\n"
       "zodiac sign in which the asteroid Psyche stood that day, and what that\n"
       "placement says about what you expect of a partner.")
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${STARQUILL_DEB_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The linked libraries' packages are named at packaging time (DebDepends.cmake).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/DebDepends.cmake)
get_target_property(program_folder StarquillFree RUNTIME_OUTPUT_DIRECTORY)
set(CPACK_STARQUILL_PROGRAM ${program_folder}/StarquillFree)
# 0755 folders whatever the umask of the machine that builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Qt loads its platform plugin at run time, so dpkg-shlibdeps cannot see it;
# without it the program cannot open a window. Qt finds fonts through
# fontconfig when it draws: Verdana's stand-in, whose proportions the windows'
# texts are fitted to (another sans may be all a minimal system has), and for
# Hindi a Devanagari font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, fonts-lohit-deva | fonts-noto-core")
include(CPack)
# cpack and "make install" only install what was built, never build first:
# the packaging test runs cpack beside tests that run the program, which a
# rebuild would relink under them.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

if(STARQUILL_BUILD_TESTS)
  set(packaging_tests ${PROJECT_SOURCE_DIR}/tests/packaging)

  add_test(NAME packaging_install
           COMMAND bash ${packaging_tests}/check_install.sh
                   ${PROJECT_BINARY_DIR} ${STARQUILL_SITE_ROOT} ${PROJECT_VERSION})
  add_test(NAME packaging_deb
           COMMAND bash ${packaging_tests}/check_deb.sh
                   ${PROJECT_BINARY_DIR} ${CMAKE_CPACK_COMMAND} ${STARQUILL_SITE_ROOT}
                   ${PROJECT_VERSION})
  set_tests_properties(packaging_install packaging_deb PROPERTIES TIMEOUT 300)
  # check_deb.sh cannot judge the package without lintian; it says so as a skip.
  set_tests_properties(packaging_deb PROPERTIES SKIP_RETURN_CODE 77)
  # Both install from the build folder, and every install rewrites its
  # install_manifest.txt there: never run them at the same time.
  set_tests_properties(packaging_install packaging_deb PROPERTIES RESOURCE_LOCK starquill_install)
endif()
