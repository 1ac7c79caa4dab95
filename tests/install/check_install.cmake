# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks what a desktop finds there: every file in its
# place, a desktop entry and AppStream metadata that the validators accept, a 256 px icon, a
# manual page and a program that runs.
# Called with -DBUILD_DIR=... -DPREFIX=... -DDESKTOP_ID=... -DVERSION=...
cmake_minimum_required(VERSION 3.25)

function(fail)
  message(FATAL_ERROR ${ARGN})
endfunction()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    fail("${ARGN} failed (${status}):\n${out}${err}")
  endif()
  set(run_output "${out}${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

set(expected
  bin/rova-yamato
  share/applications/${DESKTOP_ID}.desktop
  share/icons/hicolor/scalable/apps/${DESKTOP_ID}.svg
  share/icons/hicolor/256x256/apps/${DESKTOP_ID}.png
  share/metainfo/${DESKTOP_ID}.metainfo.xml
  share/man/man1/rova-yamato.1.gz
  share/man/ja/man1/rova-yamato.1.gz
  share/doc/rova-yamato/copyright
  share/doc/rova-yamato/changelog.gz)
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    fail("not installed: ${path}")
  endif()
endforeach()
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  fail("installed files differ from the expected ones:\n${installed}")
endif()

set(entry ${PREFIX}/share/applications/${DESKTOP_ID}.desktop)
run(desktop-file-validate ${entry})
if(run_output)
  fail("desktop-file-validate: ${run_output}")
endif()
file(READ ${entry} content)
foreach(line "Name=rova 送り状印刷" "Categories=Office;" "Icon=${DESKTOP_ID}" "StartupWMClass=rova-yamato"
             "Exec=rova-yamato")
  string(FIND "${content}" "\n${line}\n" at)
  if(at EQUAL -1)
    fail("desktop entry lacks \"${line}\"")
  endif()
endforeach()
run(appstreamcli validate --no-net --explain ${PREFIX}/share/metainfo/${DESKTOP_ID}.metainfo.xml)

# Width and height are the two big-endian words after the PNG signature and the IHDR header.
file(READ ${PREFIX}/share/icons/hicolor/256x256/apps/${DESKTOP_ID}.png size HEX OFFSET 16 LIMIT 8)
if(NOT size STREQUAL "0000010000000100")
  fail("the PNG icon is not 256 x 256 px (${size})")
endif()

run(man --warnings -l ${PREFIX}/share/man/man1/rova-yamato.1.gz)
if(NOT run_output MATCHES "--data-dir" OR NOT run_output MATCHES "ROVA_DATA_DIR" OR NOT run_output MATCHES "FILES")
  fail("the manual page lacks options, files or environment:\n${run_output}")
endif()

run(${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 man --warnings -l ${PREFIX}/share/man/ja/man1/rova-yamato.1.gz)
if(NOT run_output MATCHES "--zipcode-dir" OR NOT run_output MATCHES "rova-yamato.sqlite3")
  fail("the Japanese manual page lacks options or files:\n${run_output}")
endif()

run(${PREFIX}/bin/rova-yamato --version)
if(NOT run_output MATCHES " ${VERSION}\n$")
  fail("the installed program says: ${run_output}")
endif()
file(REMOVE_RECURSE ${PREFIX})
