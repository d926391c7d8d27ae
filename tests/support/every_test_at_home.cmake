# Every test of the build carries one of the known labels and runs with HOME
# in the test home, so that a test added without them is found at once.
# Usage: cmake -DBUILD=<build folder> -DHOME_FOLDER=<test home>
#              -DKNOWN_LABELS=<a;b;…> -P every_test_at_home.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${CMAKE_CTEST_COMMAND} --show-only=json-v1 WORKING_DIRECTORY ${BUILD}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ctest could not list the tests")
endif()

string(JSON tests GET "${listing}" tests)
string(JSON count LENGTH "${tests}")
math(EXPR last "${count} - 1")
set(faults "")
foreach(i RANGE ${last})
  string(JSON test GET "${tests}" ${i})
  string(JSON name GET "${test}" name)
  # A GoogleTest program not built in this build (a build of some targets
  # only) stands in the list as one placeholder; it runs nothing.
  if(name MATCHES "_NOT_BUILT$")
    continue()
  endif()
  string(JSON properties ERROR_VARIABLE none GET "${test}" properties)
  set(labelled FALSE)
  foreach(label IN LISTS KNOWN_LABELS)
    if(properties MATCHES "\"name\" : \"LABELS\",[^]]*\"${label}\"")
      set(labelled TRUE)
    endif()
  endforeach()
  if(NOT labelled)
    list(APPEND faults "${name}: none of the labels ${KNOWN_LABELS}")
  endif()
  if(NOT name STREQUAL "test_home" AND NOT properties MATCHES "\"HOME=${HOME_FOLDER}\"")
    list(APPEND faults "${name}: HOME is not ${HOME_FOLDER}")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n" text)
  message(FATAL_ERROR "${text}\nAdd tests with orbalis_gtest() or in a folder that calls "
                      "orbalis_tests_at_home() (cmake/Testing.cmake).")
endif()
message(STATUS "${count} tests, each labelled and at home")
