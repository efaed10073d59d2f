# Cross-compiles for 64-bit Windows with MinGW-w64. The tests run the program under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# Prefer the win32 threading variant by name. The plain name may point to the posix variant,
# which links in winpthread.
find_program(CMAKE_CXX_COMPILER NAMES x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-g++)
if(NOT CMAKE_CXX_COMPILER)
  # Without this, CMake would go on to complain of no make, which is not what is missing.
  set(CMAKE_MAKE_PROGRAM none)
  message(FATAL_ERROR "No MinGW-w64 C++ compiler. On Debian or Ubuntu: "
    "sudo apt-get install g++-mingw-w64-x86-64, and for the tests wine.")
endif()
