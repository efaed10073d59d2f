# Cross-compiles for 64-bit Windows with MinGW-w64; programs built with it run
# here under Wine, which is what ctest uses to run the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# Debian's default threading variant, win32, by its own name: the posix one,
# which x86_64-w64-mingw32-g++ may be switched to, links another runtime.
find_program(CMAKE_CXX_COMPILER NAMES x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-g++)
if(NOT CMAKE_CXX_COMPILER)
  # Stopped here, CMake would look for no build program and then report that
  # it found none, sending the reader after make. A name without blanks is
  # not kept in the cache.
  set(CMAKE_MAKE_PROGRAM none)
  message(FATAL_ERROR "No MinGW-w64 C++ compiler (x86_64-w64-mingw32-g++-win32). On Debian or "
    "Ubuntu: sudo apt-get install g++-mingw-w64-x86-64, and for the tests wine.")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
