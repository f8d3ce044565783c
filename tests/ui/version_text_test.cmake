# The version text's padding rules: the minor at least two digits, the
# revision at least four, longer numbers kept whole. Run with cmake -P.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/LotwheelVersion.cmake)

set(cases
  "1 3 5 1.03.0005"
  "2 10 123 2.10.0123"
  "1 100 12345 1.100.12345"
  "0 0 0 0.00.0000")
foreach(case IN LISTS cases)
  string(REPLACE " " ";" fields "${case}")
  list(GET fields 0 major)
  list(GET fields 1 minor)
  list(GET fields 2 revision)
  list(GET fields 3 expected)
  lotwheel_version_text(text ${major} ${minor} ${revision})
  if(NOT text STREQUAL expected)
    message(FATAL_ERROR "${major} ${minor} ${revision}: got '${text}', expected '${expected}'")
  endif()
endforeach()
message(STATUS "version text: ${text} and the other cases as expected")
