# SPDX-License-Identifier: MIT
# The browser build: the program as WebAssembly with its page. The install
# tree is the whole site (index.html, the program's .js and .wasm, Qt's
# loader and the icon), for tools/web/build.sh to leave in build-web/site.
# Included from the top-level CMakeLists.txt.

set(STARQUILL_WEB_TARGET StarquillFree)
configure_file(${PROJECT_SOURCE_DIR}/resources/web/index.html.in ${PROJECT_BINARY_DIR}/index.html @ONLY)
# The page's own notices come in every language the program has.
file(READ ${PROJECT_SOURCE_DIR}/resources/web/index.html.in page)
foreach(language ${STARQUILL_LANGUAGES})
  if(NOT page MATCHES "\n    ${language}: {")
    message(FATAL_ERROR "resources/web/index.html.in has no notices in ${language}")
  endif()
endforeach()

# Sized for a download: every function optimised for size and the binary shrunk
# again by wasm-opt at the link, and only the web's run-time (no Node.js, no
# workers). The plugins are chosen in src/CMakeLists.txt.
target_compile_options(StarquillFree PRIVATE -Oz)
foreach(layer starquill_core starquill_widgets starquill_windows starquill_program)
  target_compile_options(${layer} PRIVATE -Oz)
endforeach()
target_link_options(StarquillFree PRIVATE -Oz "SHELL:-s ENVIRONMENT=web")

install(FILES ${PROJECT_BINARY_DIR}/index.html ${PROJECT_BINARY_DIR}/StarquillFree.js
              ${PROJECT_BINARY_DIR}/StarquillFree.wasm ${PROJECT_BINARY_DIR}/qtloader.js
        DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/64x64/apps/com.lanternsoftwares.Starquill.png
        DESTINATION . RENAME favicon.png)

# The page driven in Debian's chromium (tests/web), run by
# "ctest --test-dir build-web"; the browser build has no other tests.
enable_testing()
add_test(NAME web_page COMMAND bash ${PROJECT_SOURCE_DIR}/tests/web/run.sh ${PROJECT_BINARY_DIR})
set_tests_properties(web_page PROPERTIES TIMEOUT 900)

# A page sees none of the system's fonts and Qt brings only Latin ones: Hindi's
# Devanagari font comes with the program, from Debian's fonts-lohit-deva
# (SIL Open Font License), added when Hindi is the language shown.
find_file(STARQUILL_DEVANAGARI_FONT Lohit-Devanagari.ttf PATHS /usr/share/fonts/truetype/lohit-devanagari
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
cmake_path(GET STARQUILL_DEVANAGARI_FONT PARENT_PATH font_dir)
qt_add_resources(starquill_widgets language_fonts PREFIX /fonts-for/hi BASE ${font_dir}
                 FILES ${STARQUILL_DEVANAGARI_FONT} OUTPUT_TARGETS font_resource_targets)
set_target_properties(${font_resource_targets} PROPERTIES AUTOMOC OFF AUTORCC OFF)
