# Cross-compiles for 32-bit Windows with Debian's mingw-w64 (g++-mingw-w64-i686).
# The win32 thread model: the posix one links winpthreads, which calls GetTickCount64
# and so keeps the program from starting on Windows XP and 2000. The code therefore uses
# Windows threads and locks directly where it needs any (GoogleTest does so on its own).
# Everything is linked statically, so no MinGW DLL travels with the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(VORNEX_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${VORNEX_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${VORNEX_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${VORNEX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VORNEX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
