# Toolchain for the Windows program, cross-compiled on Debian with MinGW-w64
# for 64-bit Windows (x86_64-w64-mingw32):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The compilers are the posix thread model ones, so std::thread and std::mutex
# work. The C and C++ runtimes and winpthread are linked in statically: the
# .exe needs no DLL beyond those of Windows. Test programs run under Wine
# through tests/wine/wine-run, CMake's emulator for this target.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LOTWHEEL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LOTWHEEL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LOTWHEEL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${LOTWHEEL_MINGW_TRIPLE}-windres)

# Libraries, headers and packages come from the MinGW-w64 tree only, never
# from the build machine; programs (code generators) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${LOTWHEEL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# -static takes libwinpthread in as well; Windows' own DLLs stay imports.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# add_test() and gtest_discover_tests() run the .exe files through this.
get_filename_component(LOTWHEEL_WINE_RUN
  "${CMAKE_CURRENT_LIST_DIR}/../tests/wine/wine-run" ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${LOTWHEEL_WINE_RUN}")
