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

# Manual pages and the changelog compressed as Debian ships them (gzip -9n: no name, no time),
# and the copyright file, in the package's documentation folder.
set(TARNWELL_COMPRESSED)
foreach(source man/tarnwell.6 man/tarnwell-readout.6 desktop/changelog)
  get_filename_component(name ${source} NAME)
  set(compressed ${CMAKE_BINARY_DIR}/compressed/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${source} ${CMAKE_BINARY_DIR}/compressed/${name}
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/compressed/${name}
    DEPENDS ${CMAKE_SOURCE_DIR}/${source} VERBATIM)
  list(APPEND TARNWELL_COMPRESSED ${compressed})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${TARNWELL_COMPRESSED})
install(FILES ${CMAKE_BINARY_DIR}/compressed/tarnwell.6.gz ${CMAKE_BINARY_DIR}/compressed/tarnwell-readout.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/compressed/changelog.gz ${CMAKE_SOURCE_DIR}/desktop/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarnwell)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwell)
set(CPACK_PACKAGE_VENDOR "Tarnwell developers")
set(CPACK_PACKAGE_CONTACT "Tarnwell developers <tarnwell@halvorn.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design tool for combat vehicles of a tabletop wargame")
# The extended description; CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tarnwell designs hovercraft, tracked and wheeled vehicles and VTOLs under the
construction rules of a tabletop wargame. Every change works out engine,
speeds, component weights, item slots, armor and cost again; designs are
saved to files and exported as HTML technical readouts.

tarnwell-readout writes the readouts of many design files at once.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": that section wants its programs in /usr/games, which is not on every user's
# PATH (the administrator's among them); the desktop entry still lists Tarnwell under Games.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked: the SQLite driver of the catalogue. (The display
# plugins, X11 and offscreen, come with the toolkit's GUI library that the programs link.) The
# linked libraries, print support for the record sheets among them, come from the shared library
# dependencies worked out above.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# The system's triggers refresh the desktop, file type and icon caches: no maintainer scripts.
include(CPack)
