# Cross-compiles the Windows program with mingw-w64 for i686
# (i686-w64-mingw32-g++, Debian package g++-mingw-w64-i686).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(vantiro_mingw_triple i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
