# Cross-compiles the Windows program with MinGW-w64 (Debian:
# g++-mingw-w64-x86-64-posix) and runs its tests under Wine (Debian: wine64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries go into the executable: it must run with no DLL
# beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(ALIASCONV_WINE "/usr/lib/wine/wine64" CACHE FILEPATH "Wine launcher that runs the tests")
set(CMAKE_CROSSCOMPILING_EMULATOR ${ALIASCONV_WINE})
