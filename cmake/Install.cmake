# Installation: the programs and the catalogue side by side in one folder, links to the
# programs on the PATH, and the desktop entry, icons and design file type.
include(GNUInstallDirs)

set(TARNWELL_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/tarnwell)

set(TARNWELL_PROGRAMS tarnwell tarnwell-readout)
install(TARGETS ${TARNWELL_PROGRAMS} RUNTIME DESTINATION ${TARNWELL_INSTALL_DIR})
install(FILES ${CMAKE_BINARY_DIR}/bin/ISWeapons.mdb DESTINATION ${TARNWELL_INSTALL_DIR})

# Relative links, so that the installed tree can move (as a Debian package does).
foreach(program ${TARNWELL_PROGRAMS})
  set(link ${CMAKE_BINARY_DIR}/links/${program})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/links)
  file(CREATE_LINK ../${CMAKE_INSTALL_LIBDIR}/tarnwell/${program} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/desktop/tarnwell.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/tarnwell-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME tarnwell.xml)
foreach(size 16 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/desktop/icons/${size}x${size}/tarnwell.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/desktop/icons/tarnwell.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwell)
set(CPACK_PACKAGE_VENDOR "Tarnwell developers")
set(CPACK_PACKAGE_CONTACT "Tarnwell developers <tarnwell@halvorn.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Design tool for combat vehicles of a tabletop wargame")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked: the SQLite driver of the catalogue. (The display
# plugins, X11 and offscreen, come with the toolkit's GUI library that the programs link.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/desktop/postinst ${CMAKE_SOURCE_DIR}/desktop/postrm)
include(CPack)
