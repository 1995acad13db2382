# Our own code builds with -Wall -Wextra -Werror. GCC 12 reports false array-bounds, restrict and
# stringop (and, with the sanitizers, maybe-uninitialized) warnings from inlined standard library code at
# -O2 and above; those stay warnings.
set(VORANTIS_WARNINGS -Wall -Wextra -Werror)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  list(APPEND VORANTIS_WARNINGS -Wno-error=array-bounds -Wno-error=restrict -Wno-error=stringop-overflow
       -Wno-error=stringop-overread -Wno-error=maybe-uninitialized)
endif()

# One static library per source folder, built from every .cpp file in it.
function(vorantis_library name folder)
  file(GLOB sources CONFIGURE_DEPENDS "${folder}/*.cpp")
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_compile_options(${name} PRIVATE ${VORANTIS_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# One test program per test folder (or the FILES named in it); every TEST becomes a CTest test.
# LABELS default to "unit" (in-process, fast); "e2e" marks programs that start processes, and "gl"
# those that need a GL context. The remaining arguments are the libraries the program links.
function(vorantis_tests name folder)
  cmake_parse_arguments(ARG "" "" "LABELS;FILES;EXCLUDE" ${ARGN})
  if(NOT ARG_LABELS)
    set(ARG_LABELS unit)
  endif()
  if(ARG_FILES)
    list(TRANSFORM ARG_FILES PREPEND "${folder}/" OUTPUT_VARIABLE sources)
  else()
    file(GLOB sources CONFIGURE_DEPENDS "${folder}/*.cpp")
  endif()
  foreach(left_out ${ARG_EXCLUDE})
    list(FILTER sources EXCLUDE REGEX "/${left_out}$")
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${VORANTIS_WARNINGS})
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${ARG_UNPARSED_ARGUMENTS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE VORANTIS_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
                                             VORANTIS_BINARY_DIR="${PROJECT_BINARY_DIR}")
  # A test that hangs fails after two minutes instead of holding the whole run.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
  # gtest_discover_tests flattens a list in PROPERTIES, so the labels are set on the discovered
  # tests (listed in ${name}_TESTS) by a script CTest reads after them.
  set(labels_script "${CMAKE_CURRENT_BINARY_DIR}/${name}_labels.cmake")
  file(WRITE "${labels_script}"
       "if(${name}_TESTS)\n  set_tests_properties(\${${name}_TESTS} PROPERTIES LABELS \"${ARG_LABELS}\")\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${labels_script}")
endfunction()
