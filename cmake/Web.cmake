# SPDX-License-Identifier: MIT
# The browser build: the program as WebAssembly with its page. The install
# tree is the whole site (index.html, the program's .js and .wasm, Qt's
# loader, the icon, the manifest, the service worker and the compressed
# copies), for tools/web/build.sh to leave in build-web/site.
# Included from the top-level CMakeLists.txt.

set(STARQUILL_WEB_TARGET StarquillFree)
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

# The site around the program: the manifest and its icons, with which the page
# installs as an app, and the service worker that keeps the whole site for use
# offline, one version at a time. The app's colours are the entry window's
# (Look.h): its plum body and the charcoal behind it.
function(starquill_look_colour name variable)
  file(STRINGS ${PROJECT_SOURCE_DIR}/src/widgets/Look.h line REGEX "QColor ${name}{")
  if(NOT line MATCHES "{([0-9]+), ([0-9]+), ([0-9]+)}")
    message(FATAL_ERROR "src/widgets/Look.h has no colour ${name}")
  endif()
  math(EXPR rgb "0x1000000 | (${CMAKE_MATCH_1} << 16) | (${CMAKE_MATCH_2} << 8) | ${CMAKE_MATCH_3}"
       OUTPUT_FORMAT HEXADECIMAL)
  string(SUBSTRING ${rgb} 3 6 rgb)
  set(${variable} "#${rgb}" PARENT_SCOPE)
endfunction()
starquill_look_colour(DarkPlum STARQUILL_THEME_COLOUR)
starquill_look_colour(Charcoal STARQUILL_BACKGROUND_COLOUR)
configure_file(${PROJECT_SOURCE_DIR}/resources/web/manifest.json.in ${PROJECT_BINARY_DIR}/manifest.webmanifest
               @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/icons/hicolor/64x64/apps/com.lanternsoftwares.Starquill.png
               ${PROJECT_BINARY_DIR}/favicon.png COPYONLY)
# The host's tools, outside the cross build's root.
foreach(tool rsvg-convert gzip brotli)
  string(MAKE_C_IDENTIFIER "STARQUILL_${tool}" variable)
  string(TOUPPER ${variable} variable)
  find_program(${variable} ${tool} REQUIRED NO_CMAKE_FIND_ROOT_PATH)
endforeach()
set(site_icons)
foreach(size 192 512)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/icon-${size}.png
    COMMAND ${STARQUILL_RSVG_CONVERT} -w ${size} -h ${size} -o icon-${size}.png
            ${PROJECT_SOURCE_DIR}/resources/icons/starquill.svg
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/starquill.svg
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR} VERBATIM)
  list(APPEND site_icons ${PROJECT_BINARY_DIR}/icon-${size}.png)
endforeach()

set(program_file $<TARGET_FILE:StarquillFree>)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/index.html
  COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${PROJECT_SOURCE_DIR}/resources/web/index.html.in
          -DOUTPUT=${PROJECT_BINARY_DIR}/index.html -DWASM=${PROJECT_BINARY_DIR}/StarquillFree.wasm
          -DSTARQUILL_WEB_TARGET=${STARQUILL_WEB_TARGET} -DSTARQUILL_THEME_COLOUR=${STARQUILL_THEME_COLOUR}
          -P ${PROJECT_SOURCE_DIR}/cmake/WebPage.cmake
  DEPENDS StarquillFree ${program_file} ${PROJECT_SOURCE_DIR}/resources/web/index.html.in
          ${PROJECT_SOURCE_DIR}/cmake/WebPage.cmake
  VERBATIM)

# Everything the service worker keeps.
set(site_files index.html StarquillFree.js StarquillFree.wasm qtloader.js favicon.png manifest.webmanifest
               icon-192.png icon-512.png)
list(TRANSFORM site_files PREPEND ${PROJECT_BINARY_DIR}/ OUTPUT_VARIABLE site_paths)
add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/sw.js
  COMMAND ${CMAKE_COMMAND} -DSITE=${PROJECT_BINARY_DIR} "-DFILES=${site_files}" -DVERSION=${PROJECT_VERSION}
          -DTEMPLATE=${PROJECT_SOURCE_DIR}/resources/web/sw.js.in -DOUTPUT=${PROJECT_BINARY_DIR}/sw.js
          -P ${PROJECT_SOURCE_DIR}/cmake/WebWorker.cmake
  DEPENDS StarquillFree ${program_file} ${site_icons} ${PROJECT_BINARY_DIR}/index.html
          ${PROJECT_BINARY_DIR}/qtloader.js ${PROJECT_BINARY_DIR}/manifest.webmanifest ${PROJECT_SOURCE_DIR}/resources/web/sw.js.in
          ${PROJECT_SOURCE_DIR}/cmake/WebWorker.cmake
  VERBATIM)

# A gzip and a brotli copy of each text file, for tools/web/serve.py to send
# to the browsers that take them (PNGs are compressed already). Touched after,
# as brotli gives its copy the original's time to the second only.
set(site_compressed)
foreach(name index.html StarquillFree.js StarquillFree.wasm qtloader.js manifest.webmanifest sw.js)
  set(file ${PROJECT_BINARY_DIR}/${name})
  # The .wasm is no output the build tool knows of: the link that makes it is.
  set(made_by ${file})
  if(name MATCHES "^StarquillFree\\.")
    set(made_by StarquillFree ${program_file})
  endif()
  add_custom_command(OUTPUT ${file}.gz ${file}.br
    COMMAND ${STARQUILL_GZIP} -9 -n -k -f ${name}
    COMMAND ${STARQUILL_BROTLI} -f -q 11 -w 24 -o ${name}.br ${name}
    COMMAND ${CMAKE_COMMAND} -E touch ${name}.gz ${name}.br
    DEPENDS ${made_by}
    WORKING_DIRECTORY ${PROJECT_BINARY_DIR} VERBATIM)
  list(APPEND site_compressed ${file}.gz ${file}.br)
endforeach()
add_custom_target(web_site ALL DEPENDS ${PROJECT_BINARY_DIR}/sw.js ${site_compressed})

install(FILES ${site_paths} ${PROJECT_BINARY_DIR}/sw.js ${site_compressed} DESTINATION .)

# The page driven in Debian's chromium (tests/web), run by
# "ctest --test-dir build-web"; the browser build has no other tests.
enable_testing()
add_test(NAME web_page COMMAND bash ${PROJECT_SOURCE_DIR}/tests/web/run.sh ${PROJECT_BINARY_DIR})
# The site as tools/web/serve.py sends it and as its service worker keeps it.
add_test(NAME web_offline COMMAND bash ${PROJECT_SOURCE_DIR}/tests/web/run.sh ${PROJECT_BINARY_DIR} offline.mjs)
# The windows as a screen reader hears them in the page.
add_test(NAME web_tree COMMAND bash ${PROJECT_SOURCE_DIR}/tests/web/run.sh ${PROJECT_BINARY_DIR} tree.mjs)
# The page on two phones' screens, by touch.
add_test(NAME web_phone COMMAND bash ${PROJECT_SOURCE_DIR}/tests/web/run.sh ${PROJECT_BINARY_DIR} phone.mjs)
# All install the site into the same folder.
set_tests_properties(web_page web_offline web_tree web_phone PROPERTIES TIMEOUT 900 RESOURCE_LOCK web_site)

# A page sees none of the system's fonts and Qt brings only Latin ones: Hindi's
# Devanagari font comes with the program, from Debian's fonts-lohit-deva
# (SIL Open Font License), added when Hindi is the language shown.
find_file(STARQUILL_DEVANAGARI_FONT Lohit-Devanagari.ttf PATHS /usr/share/fonts/truetype/lohit-devanagari
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
cmake_path(GET STARQUILL_DEVANAGARI_FONT PARENT_PATH font_dir)
qt_add_resources(starquill_widgets language_fonts PREFIX /fonts-for/hi BASE ${font_dir}
                 FILES ${STARQUILL_DEVANAGARI_FONT} OUTPUT_TARGETS font_resource_targets)
set_target_properties(${font_resource_targets} PROPERTIES AUTOMOC OFF AUTORCC OFF)
