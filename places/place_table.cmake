# The place table: a generator built for this machine writes place_table.cpp
# from the GeoNames files of the libtimezonemap-data package. Without them the
# table is empty and the program says its place finder is unavailable.
set(ORBALIS_PLACE_DATA_DIR "/usr/share/libtimezonemap/ui" CACHE PATH
    "Folder holding GeoNames' cities15000.txt, admin1Codes.txt and countryInfo.txt")

add_executable(place_table_generator
  ${CMAKE_SOURCE_DIR}/tools/place_table_generator/main.cpp
  ${CMAKE_SOURCE_DIR}/places/latin_letters.cpp)
target_include_directories(place_table_generator PRIVATE ${CMAKE_SOURCE_DIR})

set(ORBALIS_PLACE_DATA_FILES "")
foreach(name cities15000.txt admin1Codes.txt countryInfo.txt)
  if(EXISTS ${ORBALIS_PLACE_DATA_DIR}/${name})
    list(APPEND ORBALIS_PLACE_DATA_FILES ${ORBALIS_PLACE_DATA_DIR}/${name})
  endif()
endforeach()

set(ORBALIS_PLACE_TABLE ${CMAKE_BINARY_DIR}/generated/places/place_table.cpp)
add_custom_command(
  OUTPUT ${ORBALIS_PLACE_TABLE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/places
  COMMAND place_table_generator ${ORBALIS_PLACE_DATA_DIR} ${ORBALIS_PLACE_TABLE}
  DEPENDS place_table_generator ${ORBALIS_PLACE_DATA_FILES}
  COMMENT "Writing the place table from ${ORBALIS_PLACE_DATA_DIR}"
  VERBATIM)
target_sources(orbalis_places PRIVATE ${ORBALIS_PLACE_TABLE})
