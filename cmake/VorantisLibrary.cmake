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

# One test program per test folder; every TEST becomes a CTest test.
# The label defaults to "unit"; tests that need a GL context are labelled "gl".
function(vorantis_tests name folder)
  cmake_parse_arguments(ARG "" "LABEL" "EXCLUDE" ${ARGN})
  if(NOT ARG_LABEL)
    set(ARG_LABEL unit)
  endif()
  file(GLOB sources CONFIGURE_DEPENDS "${folder}/*.cpp")
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
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS ${ARG_LABEL} TIMEOUT 120)
endfunction()
