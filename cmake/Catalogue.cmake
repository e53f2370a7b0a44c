# The equipment catalogue: catalogue/ISWeapons.sql is turned into the SQLite database
# ISWeapons.mdb beside every program in <build>/bin, again whenever the source changes.

add_executable(make_catalogue ${CMAKE_SOURCE_DIR}/catalogue/make_catalogue.cpp)
target_link_libraries(make_catalogue PRIVATE Qt6::Sql)
# A build tool, kept out of the folder of the programs.
set_target_properties(make_catalogue PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(TARNWELL_CATALOGUE_SOURCE ${CMAKE_SOURCE_DIR}/catalogue/ISWeapons.sql)
set(TARNWELL_CATALOGUE ${CMAKE_BINARY_DIR}/bin/ISWeapons.mdb)

add_custom_command(
  OUTPUT ${TARNWELL_CATALOGUE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/bin
  # In a sanitizer build the tool must not fail the build over leaks of the Qt plugin loader.
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:make_catalogue> ${TARNWELL_CATALOGUE_SOURCE} ${TARNWELL_CATALOGUE}
  DEPENDS make_catalogue ${TARNWELL_CATALOGUE_SOURCE}
  COMMENT "Generating the equipment catalogue ISWeapons.mdb"
  VERBATIM)
add_custom_target(catalogue ALL DEPENDS ${TARNWELL_CATALOGUE})
add_dependencies(tarnwell catalogue)
