# Tests of the Windows build run under Wine: GoogleTest is built from Debian's sources
# with the cross compiler, and every test program runs through tests/win32/wine-run,
# in the Wine prefix VORNEX_WINEPREFIX names (else build/windows/wineprefix).
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/win32/wine-run --default-prefix
    ${CMAKE_BINARY_DIR}/wineprefix)

add_subdirectory(${PROJECT_SOURCE_DIR}/tests/win32/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
