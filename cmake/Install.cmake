# Installing and packaging. `cmake --install build --prefix P` lays out
#   P/lib/joseki/          the program folder: the executable, with fld1 and fld2
#                          beside it as links to the data
#   P/share/joseki/        fld1/ (collection, help text) and fld2/ (board images)
#   P/bin/joseki           the launcher: a link to the executable, which finds its
#                          folder from its own resolved path, wherever it is started
#   P/share/applications/, metainfo/, icons/hicolor/, man/man6/, doc/joseki/
# and `cpack -G DEB` in the build folder makes the Debian package of the same
# under /usr. Uses PROGRAM_DIR, WINDOW_PICTURES_DIR and APP_ID of the root list.

set(PACKAGE_NAME joseki)
set(LAUNCHER joseki)
set(PROGRAM_INSTALL_DIR lib/${PACKAGE_NAME})
set(DATA_INSTALL_DIR share/${PACKAGE_NAME})
set(DOC_INSTALL_DIR share/doc/${PACKAGE_NAME})
set(PACKAGING_SOURCE_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
set(MAINTAINER "The joseki collection developers <maintainers@example.org>")
set(PACKAGE_RELEASE 1)
set(PACKAGE_VERSION ${PROJECT_VERSION}-${PACKAGE_RELEASE})
string(TOUPPER ${LAUNCHER} MAN_NAME)

# The program folder and its data.
install(TARGETS joseki RUNTIME DESTINATION ${PROGRAM_INSTALL_DIR})
install(DIRECTORY ${PROGRAM_DIR}/fld1 ${PROGRAM_DIR}/fld2 DESTINATION ${DATA_INSTALL_DIR}
  PATTERN .generated EXCLUDE)
# Relative links, so that any prefix (and the package's staging folder) works.
install(CODE "
  set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  foreach(folder fld1 fld2)
    file(CREATE_LINK ../../${DATA_INSTALL_DIR}/\${folder}
      \"\${root}/${PROGRAM_INSTALL_DIR}/\${folder}\" SYMBOLIC)
  endforeach()
  file(MAKE_DIRECTORY \"\${root}/bin\")
  file(CREATE_LINK ../${PROGRAM_INSTALL_DIR}/joseki \"\${root}/bin/${LAUNCHER}\" SYMBOLIC)
")

# The desktop: entry, metainfo, icon.
configure_file(${PACKAGING_SOURCE_DIR}/joseki.desktop.in ${PACKAGING_DIR}/${APP_ID}.desktop @ONLY)
configure_file(${PACKAGING_SOURCE_DIR}/metainfo.xml.in ${PACKAGING_DIR}/${APP_ID}.metainfo.xml @ONLY)
install(FILES ${PACKAGING_DIR}/${APP_ID}.desktop DESTINATION share/applications)
install(FILES ${PACKAGING_DIR}/${APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${WINDOW_PICTURES_DIR}/icon.svg
  DESTINATION share/icons/hicolor/scalable/apps RENAME ${APP_ID}.svg)
foreach(size 48 128)
  install(FILES ${WINDOW_PICTURES_DIR}/icon-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${APP_ID}.png)
endforeach()

# Documents: copyright (the licence and the data's sources), changelog, manual page.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE LICENSE_TEXT)
file(READ ${PACKAGING_SOURCE_DIR}/data_sources.txt DATA_SOURCES_TEXT)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/LICENSE ${PACKAGING_SOURCE_DIR}/data_sources.txt)
file(CONFIGURE OUTPUT ${PACKAGING_DIR}/copyright
  CONTENT "囲碁定石集 (${PACKAGE_NAME}): a Go joseki collection with search.\n\n${LICENSE_TEXT}\n${DATA_SOURCES_TEXT}")
configure_file(${PACKAGING_SOURCE_DIR}/changelog.in ${PACKAGING_DIR}/changelog.Debian @ONLY)
configure_file(${PACKAGING_SOURCE_DIR}/joseki.6.in ${PACKAGING_DIR}/${LAUNCHER}.6 @ONLY)
find_program(GZIP gzip REQUIRED)
foreach(document changelog.Debian ${LAUNCHER}.6)
  # -n: no name or time stamp, so the same text gives the same file.
  add_custom_command(OUTPUT ${PACKAGING_DIR}/${document}.gz
    COMMAND ${GZIP} -9nf ${PACKAGING_DIR}/${document} -c > ${PACKAGING_DIR}/${document}.gz
    DEPENDS ${PACKAGING_DIR}/${document})
endforeach()
add_custom_target(packaging_documents ALL DEPENDS
  ${PACKAGING_DIR}/changelog.Debian.gz ${PACKAGING_DIR}/${LAUNCHER}.6.gz)
install(FILES ${PACKAGING_DIR}/copyright ${PACKAGING_DIR}/changelog.Debian.gz
  DESTINATION ${DOC_INSTALL_DIR})
install(FILES ${PACKAGING_DIR}/${LAUNCHER}.6.gz DESTINATION share/man/man6)

# The Debian package. Library dependencies are computed (dpkg-shlibdeps); the
# Qt platform and image plugins come with libqt6gui6 on Debian 12. Only the
# fonts, which nothing links, are listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The joseki collection developers")
set(CPACK_PACKAGE_CONTACT ${MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Go joseki collection with search, in Japanese")
set(CPACK_PACKAGE_DESCRIPTION
  "A reference collection of Go joseki, the settled sequences of play in a
corner, grouped in seven sections. Pick a joseki to see it on one board with
numbered stones and captures while the other replays a professional game in
which it was played. Stones placed on the board search the collection for a
joseki that is, or begins with, that sequence in either orientation of the
corner. The interface (囲碁定石集) is in Japanese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${PACKAGE_RELEASE})
# A study reference for a game rather than a game: /usr/bin, on every PATH.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-ipafont-gothic, fonts-motoya-l-maruberi, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
