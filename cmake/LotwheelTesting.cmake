# GoogleTest for the test suites, and how a Windows test program is
# registered with CTest to run under Wine. Included by tests/CMakeLists.txt.
#
# GoogleTest is the installed package on the build machine. When
# cross-compiling (or when the package is missing) it is built from Debian's
# googletest sources instead, for the target, with the same GTest:: names.
set(LOTWHEEL_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest sources, built when cross-compiling or when no package is found")

if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest QUIET)
endif()
if(NOT GTest_FOUND)
  if(NOT EXISTS ${LOTWHEEL_GTEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR
      "GoogleTest not found: install libgtest-dev (or googletest for its "
      "sources), or configure with -DLOTWHEEL_BUILD_TESTS=OFF")
  endif()
  message(STATUS "GoogleTest: built from ${LOTWHEEL_GTEST_SOURCE_DIR}")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # Windows' own threads and locks rather than winpthread's.
  set(gtest_disable_pthreads ${WIN32} CACHE BOOL "" FORCE)
  # SYSTEM: our warning flags don't apply to its headers.
  add_subdirectory(${LOTWHEEL_GTEST_SOURCE_DIR}
                   ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
include(GoogleTest)

# Registers each case of a GoogleTest program as its own test. Under Wine the
# cases are listed by running the program through the emulator after each
# build (about 0.2 s with a running session; the first build of a folder also
# makes its Wine prefix, up to half a minute).
function(lotwheel_discover_tests target)
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 120 ${ARGN})
endfunction()

# lotwheel_add_wine_test(<name> <source>... [LIBRARIES <target>...]
#                        [DPI <dpi>...])
#
# Builds the Windows window test <name> (GoogleTest, gtest_main) and registers
# each of its cases once per DPI (96 if none given), run by tests/wine/wine-run
# in that DPI's prefix. A case at DPI 144 is named "<Suite>.<Case>@144dpi";
# at 96 it keeps its plain name. The program can read the DPI it was started
# for from the environment variable LOTWHEEL_WINE_DPI.
#
# Cases at the same DPI share one Wine session and X display, where a window
# of one would take the focus or the keyboard from another, so they never run
# at the same time (RESOURCE_LOCK); cases at different DPIs run side by side.
function(lotwheel_add_wine_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBRARIES;DPI")
  if(NOT arg_DPI)
    set(arg_DPI 96)
  endif()
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest_main
                                        lotwheel_warnings)
  foreach(dpi IN LISTS arg_DPI)
    if(dpi EQUAL 96)
      set(suffix "")
    else()
      set(suffix "@${dpi}dpi")
    endif()
    lotwheel_discover_tests(${name}
      TEST_SUFFIX "${suffix}"
      PROPERTIES
        ENVIRONMENT "LOTWHEEL_WINE_DPI=${dpi}"
        RESOURCE_LOCK "lotwheel_wine_desktop_${dpi}"
        TIMEOUT 120)
  endforeach()
endfunction()
