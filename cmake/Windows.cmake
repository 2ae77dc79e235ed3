# SPDX-License-Identifier: MIT
# The Windows build: a GUI-subsystem program with its icon and version in the
# .exe, and an install tree that runs as it is (the program, the Qt and
# compiler run-time DLLs, the platform plugin), which tools/windows/build.sh
# zips and wraps in the installer. Included from the top-level CMakeLists.txt.

enable_language(RC)
find_program(STARQUILL_CONVERT convert REQUIRED DOC "ImageMagick, to build the .ico")

# The .ico is built from the committed PNG renders, one image per size.
set(ico_sizes 16 24 32 48 64 128 256)
set(ico_pngs)
foreach(size ${ico_sizes})
  list(APPEND ico_pngs
       ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/com.lanternsoftwares.Starquill.png)
endforeach()
set(STARQUILL_ICO ${PROJECT_BINARY_DIR}/starquill.ico)
add_custom_command(OUTPUT ${STARQUILL_ICO} COMMAND ${STARQUILL_CONVERT} ${ico_pngs} ${STARQUILL_ICO}
                   DEPENDS ${ico_pngs} VERBATIM)
configure_file(${PROJECT_SOURCE_DIR}/resources/windows/starquill.rc.in
               ${PROJECT_BINARY_DIR}/starquill.rc @ONLY)
add_custom_target(starquill_ico DEPENDS ${STARQUILL_ICO})
add_dependencies(StarquillFree starquill_ico)
set_source_files_properties(${PROJECT_BINARY_DIR}/starquill.rc TARGET_DIRECTORY StarquillFree
                            PROPERTIES OBJECT_DEPENDS ${STARQUILL_ICO})
target_sources(StarquillFree PRIVATE ${PROJECT_BINARY_DIR}/starquill.rc)
set_target_properties(StarquillFree PROPERTIES WIN32_EXECUTABLE ON)

install(TARGETS StarquillFree RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
# Qt looks for plugins in platforms/ beside the program.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
# The compiler's own run-time, which the program and Qt link dynamically.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}")
    message(FATAL_ERROR "The compiler does not know where ${dll} is")
  endif()
  install(FILES ${path} DESTINATION .)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
