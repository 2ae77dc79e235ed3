# SPDX-License-Identifier: MIT
# Writes the service worker of the browser build: its template with the
# program's version, the SHA-256 of every file of the site and, from those, a
# build digest naming its cache, so that any change to any file is a new
# version of the whole site. Run by the build (cmake/Web.cmake) as
#   cmake -DSITE=<folder> -DFILES=<names> -DVERSION=<version>
#         -DTEMPLATE=<sw.js.in> -DOUTPUT=<sw.js> -P cmake/WebWorker.cmake
cmake_minimum_required(VERSION 3.20)
foreach(variable SITE FILES VERSION TEMPLATE OUTPUT)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "WebWorker.cmake needs -D${variable}=...")
  endif()
endforeach()

set(entries "")
set(listing "")
foreach(name IN LISTS FILES)
  file(SHA256 "${SITE}/${name}" digest)
  list(APPEND entries "  \"${name}\": \"${digest}\"")
  string(APPEND listing "${name} ${digest}\n")
endforeach()
list(JOIN entries ",\n" entries)
set(STARQUILL_SITE_FILES "{\n${entries}\n}")
string(SHA256 build "${listing}")
string(SUBSTRING "${build}" 0 16 STARQUILL_SITE_BUILD)
set(STARQUILL_VERSION "${VERSION}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
