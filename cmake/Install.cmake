# Installed like a desktop program: the executable in bin/, read-only data in
# share/glyphary/, and a menu entry, icon and software-centre metadata that
# share one application id. `cpack -G DEB` packs the same tree.
include(GNUInstallDirs)

# Under example.org, reserved for no one's real use: the id cannot collide
# with a real vendor's.
set(GLYPHARY_APP_ID org.example.glyphary)
set(GLYPHARY_RELEASE_DATE 2026-12-08)

# The program finds its data folder from its own, wherever the tree was installed.
file(RELATIVE_PATH GLYPHARY_DATA_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DATADIR}/glyphary)
target_compile_definitions(glyphary PRIVATE
  GLYPHARY_VERSION="${PROJECT_VERSION}"
  GLYPHARY_APP_ID="${GLYPHARY_APP_ID}"
  GLYPHARY_DATA_FROM_BIN="${GLYPHARY_DATA_FROM_BIN}")

set(desktop_file ${CMAKE_BINARY_DIR}/packaging/${GLYPHARY_APP_ID}.desktop)
set(metainfo_file ${CMAKE_BINARY_DIR}/packaging/${GLYPHARY_APP_ID}.metainfo.xml)
configure_file(packaging/glyphary.desktop.in ${desktop_file} @ONLY)
configure_file(packaging/glyphary.metainfo.xml.in ${metainfo_file} @ONLY)

install(TARGETS glyphary RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Created even without a help file: its presence tells the program it is installed.
install(DIRECTORY DESTINATION ${CMAKE_INSTALL_DATADIR}/glyphary)
install(FILES ${CMAKE_BINARY_DIR}/GLYPHARY.CHM DESTINATION ${CMAKE_INSTALL_DATADIR}/glyphary OPTIONAL)
install(FILES ${desktop_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/glyphary.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${GLYPHARY_APP_ID}.svg)
install(FILES ${metainfo_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

add_test(NAME desktop_files
  COMMAND ${CMAKE_SOURCE_DIR}/tests/install/check_desktop_files.sh ${CMAKE_BINARY_DIR} ${GLYPHARY_APP_ID})
add_test(NAME installed_program
  COMMAND ${CMAKE_SOURCE_DIR}/tests/install/check_installed_program.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
set_tests_properties(desktop_files installed_program PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 600)

set(CPACK_PACKAGE_NAME glyphary)
set(CPACK_PACKAGE_CONTACT "Glyphary developers <glyphary@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "look at, compare, print and install typefaces")
set(CPACK_PACKAGE_DESCRIPTION
  "Glyphary lists the font families of the current printer, shows them as samples and as a character map, prints sample sheets for any number of families, and previews, prints and installs TrueType files from a folder.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded on demand for the help file, so the linker does not see it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libchm1)
include(CPack)
