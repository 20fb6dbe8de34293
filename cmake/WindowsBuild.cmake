# VORNEX.exe and its tests, cross-built for 32-bit Windows (included by the top-level
# CMakeLists.txt when CMAKE_SYSTEM_NAME is Windows).
#
# Layers: platform spooler install res afx app pages, the Win32 backends beside them
# (platform/win32, spooler/win32, afx/win32) and the program (programs/win32). The
# embedded host machine, SQLite, the terminal view and the host test suites are left out.

enable_language(RC)

# The program runs on Windows 2000 and later: the headers offer nothing newer, and
# what a newer Windows adds is looked up at run time.
add_compile_definitions(WINVER=0x0500 _WIN32_WINNT=0x0500 _WIN32_IE=0x0600 NOMINMAX)

set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

foreach(layer platform spooler install res afx app pages)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${layer}/CMakeLists.txt)
    add_subdirectory(${layer})
  endif()
endforeach()

# Generators that run on the build machine: the resource script writer and the
# sample driver folder.
include(${PROJECT_SOURCE_DIR}/cmake/HostTools.cmake)

foreach(backend platform/win32 spooler/win32 afx/win32 programs/win32)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${backend}/CMakeLists.txt)
    add_subdirectory(${backend})
  endif()
endforeach()

unset(CMAKE_RUNTIME_OUTPUT_DIRECTORY)

if(VORNEX_BUILD_TESTS)
  enable_testing()
  include(${PROJECT_SOURCE_DIR}/cmake/WineTesting.cmake)
  foreach(suite contract win32)
    if(EXISTS ${PROJECT_SOURCE_DIR}/tests/${suite}/CMakeLists.txt)
      add_subdirectory(tests/${suite})
    endif()
  endforeach()
endif()
