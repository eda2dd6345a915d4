# Cross-compiles the Windows program with mingw-w64 for x86_64
# (x86_64-w64-mingw32-g++, Debian package g++-mingw-w64-x86-64).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(vantiro_mingw_triple x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
