# The code is built in layers, low to high; each folder is one static library
# that links only the folders below it. tools/layers.txt is the one list of
# the layers and of what each may use: orbalis_layer() reads a folder's line
# there and links exactly those folders' libraries, and tools/check_layers.sh,
# run by the tests, checks every include line against the same list.
#
# A library sees only the headers of the folders it links: its include path
# is a folder of its own that holds one link to its source folder, so an
# include that points up fails to compile.

set(ORBALIS_LAYER_INCLUDES ${CMAKE_BINARY_DIR}/layers)
set(ORBALIS_LAYER_LIST ${CMAKE_SOURCE_DIR}/tools/layers.txt)
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ORBALIS_LAYER_LIST})

# The target of a folder: orbalis_ and the folder with / as _.
function(orbalis_layer_target folder out)
  string(REPLACE "/" "_" name "${folder}")
  set(${out} orbalis_${name} PARENT_SCOPE)
endfunction()

# The folders FOLDER may use, from tools/layers.txt; a folder missing from
# the list stops the configuration.
function(orbalis_layer_uses folder out)
  file(STRINGS ${ORBALIS_LAYER_LIST} lines)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "#.*" "" line "${line}")
    if(line MATCHES "^([^: ]+):(.*)$" AND CMAKE_MATCH_1 STREQUAL folder)
      string(STRIP "${CMAKE_MATCH_2}" uses)
      separate_arguments(uses UNIX_COMMAND "${uses}")
      set(${out} "${uses}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "${folder} is not in tools/layers.txt")
endfunction()

# orbalis_layer(FOLDER [QT] [EXCLUDE regex] [SOURCES more…] [LIBRARIES outside libraries…])
# makes the library of FOLDER from FOLDER/*.cpp, linked with the libraries of
# the folders tools/layers.txt lets it use. A library without QT joins
# orbalis_core, one with QT orbalis_windows (see orbalis_layer_groups).
function(orbalis_layer folder)
  cmake_parse_arguments(LAYER "QT" "EXCLUDE" "LIBRARIES;SOURCES" ${ARGN})
  orbalis_layer_target(${folder} target)
  orbalis_layer_uses(${folder} uses)
  set(depends "")
  foreach(used IN LISTS uses)
    orbalis_layer_target(${used} used_target)
    list(APPEND depends ${used_target})
  endforeach()
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  if(LAYER_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${LAYER_EXCLUDE}")
  endif()
  add_library(${target} STATIC ${sources} ${LAYER_SOURCES})
  string(REPLACE "/" "_" name "${folder}")
  set(root ${ORBALIS_LAYER_INCLUDES}/${name})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PRIVATE ${depends} PUBLIC ${LAYER_LIBRARIES})
  set_target_properties(${target} PROPERTIES AUTOMOC ${LAYER_QT} AUTORCC ${LAYER_QT})
  if(LAYER_QT)
    set_property(GLOBAL APPEND PROPERTY ORBALIS_QT_LAYERS ${target})
  else()
    set_property(GLOBAL APPEND PROPERTY ORBALIS_CORE_LAYERS ${target})
  endif()
endfunction()

# orbalis_core: every library without Qt, for the tests, benchmarks and
# tools; orbalis_windows: every library, the windows included.
function(orbalis_layer_groups)
  get_property(core GLOBAL PROPERTY ORBALIS_CORE_LAYERS)
  get_property(qt GLOBAL PROPERTY ORBALIS_QT_LAYERS)
  add_library(orbalis_core INTERFACE)
  target_link_libraries(orbalis_core INTERFACE ${core})
  add_library(orbalis_windows INTERFACE)
  target_link_libraries(orbalis_windows INTERFACE ${qt} orbalis_core)
endfunction()
