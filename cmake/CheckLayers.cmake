# Fails when a file of the core includes a header of the painter or the window, or a file of
# the painter one of the window: each library stands on the ones below it only.
foreach(layer "core;paint|window" "paint;window")
  list(GET layer 0 folder)
  list(GET layer 1 above)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/src/${folder}/*.h ${SOURCE_DIR}/src/${folder}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^#include [\"<](${above})/")
    if(includes)
      message(FATAL_ERROR "${source} includes a header of a library built on it: ${includes}")
    endif()
  endforeach()
endforeach()
