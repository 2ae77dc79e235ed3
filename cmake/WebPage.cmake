# SPDX-License-Identifier: MIT
# Writes the browser build's page once the program is linked: its template
# with the program's name, the app's colour and the .wasm's size in bytes, by
# which the loading line counts in percent (a compressed answer, or one from
# the service worker's cache, tells no length of its own). Run by the build
# (cmake/Web.cmake) as
#   cmake -DTEMPLATE=<index.html.in> -DOUTPUT=<index.html> -DWASM=<.wasm>
#         -DSTARQUILL_WEB_TARGET=<name> -DSTARQUILL_THEME_COLOUR=<#rrggbb>
#         -P cmake/WebPage.cmake
cmake_minimum_required(VERSION 3.20)
foreach(variable TEMPLATE OUTPUT WASM STARQUILL_WEB_TARGET STARQUILL_THEME_COLOUR)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "WebPage.cmake needs -D${variable}=...")
  endif()
endforeach()
file(SIZE "${WASM}" STARQUILL_WASM_BYTES)
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
