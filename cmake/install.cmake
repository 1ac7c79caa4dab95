# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where: the program, its desktop entry, icon (SVG and a 256 px PNG made
# from it), AppStream metadata, manual page, and the copyright and changelog a Debian package carries.
include(GNUInstallDirs)
# Installing (and cpack) takes what is built; it does not first build the tests as well.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(ROVA_PACKAGING_SOURCE ${CMAKE_SOURCE_DIR}/packaging)
set(ROVA_PACKAGING_BUILD ${CMAKE_BINARY_DIR}/packaging)

# The changelog's trailer wants the release date in RFC 2822 form.
execute_process(COMMAND date -R -u -d "${ROVA_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE ROVA_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${ROVA_PACKAGING_SOURCE}/rova-yamato.desktop.in
               ${ROVA_PACKAGING_BUILD}/${ROVA_DESKTOP_ID}.desktop @ONLY)
configure_file(${ROVA_PACKAGING_SOURCE}/rova-yamato.metainfo.xml.in
               ${ROVA_PACKAGING_BUILD}/${ROVA_DESKTOP_ID}.metainfo.xml @ONLY)
configure_file(${ROVA_PACKAGING_SOURCE}/rova-yamato.1.in ${ROVA_PACKAGING_BUILD}/rova-yamato.1 @ONLY)
configure_file(${ROVA_PACKAGING_SOURCE}/changelog.in ${ROVA_PACKAGING_BUILD}/changelog @ONLY)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(GZIP_PROGRAM gzip REQUIRED)
set(ROVA_ICON_PNG ${ROVA_PACKAGING_BUILD}/${ROVA_DESKTOP_ID}.png)
add_custom_command(OUTPUT ${ROVA_ICON_PNG}
  COMMAND ${RSVG_CONVERT} --width=256 --height=256 --output=${ROVA_ICON_PNG} ${ROVA_PACKAGING_SOURCE}/rova-yamato.svg
  DEPENDS ${ROVA_PACKAGING_SOURCE}/rova-yamato.svg
  COMMENT "Drawing the 256 px icon" VERBATIM)
# The Japanese manual page is written from the tables --help prints.
add_executable(write-manual-page ${ROVA_PACKAGING_SOURCE}/writemanualpage.cpp)
target_link_libraries(write-manual-page PRIVATE rova_platform)
file(MAKE_DIRECTORY ${ROVA_PACKAGING_BUILD}/ja)
add_custom_command(OUTPUT ${ROVA_PACKAGING_BUILD}/ja/rova-yamato.1
  COMMAND write-manual-page ${PROJECT_VERSION} ${ROVA_RELEASE_DATE} > ${ROVA_PACKAGING_BUILD}/ja/rova-yamato.1
  DEPENDS write-manual-page VERBATIM)
# gzip -n leaves out the name and time, so the same sources give the same package.
set(ROVA_COMPRESSED ${ROVA_PACKAGING_BUILD}/rova-yamato.1.gz ${ROVA_PACKAGING_BUILD}/ja/rova-yamato.1.gz
    ${ROVA_PACKAGING_BUILD}/changelog.gz)
add_custom_command(OUTPUT ${ROVA_COMPRESSED}
  COMMAND ${GZIP_PROGRAM} -9nkf rova-yamato.1 ja/rova-yamato.1 changelog
  DEPENDS ${ROVA_PACKAGING_BUILD}/rova-yamato.1 ${ROVA_PACKAGING_BUILD}/ja/rova-yamato.1
          ${ROVA_PACKAGING_BUILD}/changelog
  WORKING_DIRECTORY ${ROVA_PACKAGING_BUILD} VERBATIM)
add_custom_target(rova-desktop-files ALL DEPENDS ${ROVA_ICON_PNG} ${ROVA_COMPRESSED})

install(TARGETS rova-yamato RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ROVA_PACKAGING_BUILD}/${ROVA_DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ROVA_PACKAGING_SOURCE}/rova-yamato.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ROVA_DESKTOP_ID}.svg)
install(FILES ${ROVA_ICON_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${ROVA_PACKAGING_BUILD}/${ROVA_DESKTOP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ROVA_PACKAGING_BUILD}/rova-yamato.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ROVA_PACKAGING_BUILD}/ja/rova-yamato.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
install(FILES ${ROVA_PACKAGING_SOURCE}/copyright ${ROVA_PACKAGING_BUILD}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/rova-yamato)
