# How every test runs.
#
# Labels: each test carries one of core, cli, ui, install, fuzz or docs, so
# that `ctest -L core` runs one kind (the folder a test is defined in gives its
# label unless the test names its own).
#
# Homes: no test reads or writes the files and settings of the person running
# it. Every test process, and every program a test starts (orbalis,
# orbalis-cli), sees HOME and the XDG user folders inside test-home/ in the
# build folder; the test `test_home`, which CTest runs before any test that
# needs it, makes those folders.
include(GoogleTest)

set(ORBALIS_TEST_LABELS core cli ui install fuzz docs)
set(ORBALIS_TEST_HOME ${CMAKE_BINARY_DIR}/test-home)
set(ORBALIS_TEST_ENVIRONMENT
  HOME=${ORBALIS_TEST_HOME}
  XDG_CONFIG_HOME=${ORBALIS_TEST_HOME}/.config
  XDG_DATA_HOME=${ORBALIS_TEST_HOME}/.local/share
  XDG_STATE_HOME=${ORBALIS_TEST_HOME}/.local/state
  XDG_CACHE_HOME=${ORBALIS_TEST_HOME}/.cache
  XDG_RUNTIME_DIR=${ORBALIS_TEST_HOME}/runtime)

add_test(NAME test_home
  COMMAND sh -c [[mkdir -p "$1/.config" "$1/.local/share" "$1/.local/state" "$1/.cache" "$1/runtime" &&
                  chmod 700 "$1/runtime"]] sh ${ORBALIS_TEST_HOME})
set_tests_properties(test_home PROPERTIES FIXTURES_SETUP test_home LABELS "${ORBALIS_TEST_LABELS}")

function(orbalis_test_at_home_now default_label)
  get_property(tests DIRECTORY PROPERTY TESTS)
  foreach(test IN LISTS tests)
    if(test STREQUAL "test_home")
      continue()
    endif()
    get_test_property(${test} LABELS labels)
    if(NOT labels)
      set_property(TEST ${test} PROPERTY LABELS ${default_label})
    endif()
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${ORBALIS_TEST_ENVIRONMENT})
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED test_home)
  endforeach()
endfunction()

# orbalis_tests_at_home(LABEL): at the end of the calling folder's
# CMakeLists.txt, every test it added gets the test home and, unless it has
# labels of its own, LABEL.
function(orbalis_tests_at_home default_label)
  if(NOT default_label IN_LIST ORBALIS_TEST_LABELS)
    message(FATAL_ERROR "test label ${default_label} is none of ${ORBALIS_TEST_LABELS}")
  endif()
  # A deferred call reads its arguments when it runs: write the label in now.
  cmake_language(EVAL CODE "cmake_language(DEFER CALL orbalis_test_at_home_now ${default_label})")
endfunction()

# orbalis_gtest(TARGET LABEL [gtest_discover_tests options…]): the tests of a
# GoogleTest program, found when it is built, with LABEL and the test home.
# Their names are known only then, so the properties are set by a file CTest
# reads after the list of tests.
function(orbalis_gtest target label)
  gtest_discover_tests(${target} ${ARGN})
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${target}_at_home.cmake)
  file(CONFIGURE OUTPUT ${file} CONTENT [[
if(@target@_TESTS)
  set_tests_properties(${@target@_TESTS} PROPERTIES LABELS @label@ FIXTURES_REQUIRED test_home
                       ENVIRONMENT "@ORBALIS_TEST_ENVIRONMENT@")
endif()
]] @ONLY)
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()
