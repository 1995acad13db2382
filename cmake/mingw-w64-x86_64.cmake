# Cross build for 64-bit Windows with Debian's mingw-w64 toolchain (posix threads: std::thread and
# std::mutex work). Libraries are looked up only in the toolchain's own root and in the prefix that
# scripts/build-windows fills (VORANTIS_WIN_PREFIX in the environment, else build-win/prefix).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(DEFINED ENV{VORANTIS_WIN_PREFIX})
  set(vorantis_win_prefix "$ENV{VORANTIS_WIN_PREFIX}")
else()
  get_filename_component(vorantis_win_prefix "${CMAKE_CURRENT_LIST_DIR}/../build-win/prefix" ABSOLUTE)
endif()
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${vorantis_win_prefix}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must see the prefix's .pc files and never the build machine's.
set(ENV{PKG_CONFIG_LIBDIR} "${vorantis_win_prefix}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
