# Tests of the Windows build run under Wine: GoogleTest is built from Debian's sources
# with the cross compiler, and every test program runs through tests/win32/wine-run,
# in the Wine prefix VORNEX_WINEPREFIX names (else build/windows/wineprefix).
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/win32/wine-run --default-prefix
    ${CMAKE_BINARY_DIR}/wineprefix)

add_subdirectory(${PROJECT_SOURCE_DIR}/tests/win32/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# Registers a GoogleTest program of the Windows build: its tests are listed (under Wine)
# when CTest runs, with room for a first run that still has to make the Wine prefix.
function(vornex_add_wine_gtests target)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 240
                       PROPERTIES TIMEOUT 120 SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
endfunction()
