# What both mingw-w64 toolchains share; the including file sets
# vantiro_mingw_triple and CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${vantiro_mingw_triple}-gcc)
set(CMAKE_CXX_COMPILER ${vantiro_mingw_triple}-g++)
set(CMAKE_RC_COMPILER ${vantiro_mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${vantiro_mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime, libgcc and winpthread are linked in, so the programs need
# no DLL beyond those that come with Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# A release program carries no symbol table.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")
