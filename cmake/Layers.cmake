# The code is built in layers, low to high; each folder is one static library
# that links only the folders below it:
#
#   model files                             records, fixed tables, shared helpers;
#                                           the whole-or-nothing file replacement
#   moon positions ephemeris clock places   engines
#   dosha results …
#   reading                                 the driver, input rules, file codecs, export
#   ui  →  dosha/ui  →  results/ui  →  app/ui   windows
#   cli                                     the companion
#
# A library sees only the headers of the folders it links: its include path
# is a folder of its own that holds one link to its source folder, so an
# include that points up fails to compile. tools/check_layers.sh, run by the
# tests, reads the same order from tools/layers.txt and checks every include
# line, tests and tools excepted.

set(ORBALIS_LAYER_INCLUDES ${CMAKE_BINARY_DIR}/layers)

# orbalis_layer(FOLDER [QT] [EXCLUDE regex] [SOURCES more…] [DEPENDS lower layer targets…] [LIBRARIES outside libraries…])
# makes the target orbalis_<folder with / as _> from FOLDER/*.cpp.
function(orbalis_layer folder)
  cmake_parse_arguments(LAYER "QT" "EXCLUDE" "DEPENDS;LIBRARIES;SOURCES" ${ARGN})
  string(REPLACE "/" "_" name "${folder}")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  if(LAYER_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${LAYER_EXCLUDE}")
  endif()
  add_library(orbalis_${name} STATIC ${sources} ${LAYER_SOURCES})
  set(root ${ORBALIS_LAYER_INCLUDES}/${name})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(orbalis_${name} PUBLIC ${root})
  target_link_libraries(orbalis_${name} PRIVATE ${LAYER_DEPENDS} PUBLIC ${LAYER_LIBRARIES})
  set_target_properties(orbalis_${name} PROPERTIES AUTOMOC ${LAYER_QT} AUTORCC ${LAYER_QT})
endfunction()
