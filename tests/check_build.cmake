# Checks a configured build tree by what CMake recorded in it: that the C++
# compiler is the one expected, by CMake's compiler id (and front end, where
# given: clang-cl is Clang with MSVC's), and that a single-config build is
# Release. A toolchain setting that CMake ignored shows here, not in a log.
#   cmake -DBUILD_DIR=build -DCOMPILER=Clang [-DFRONTEND=MSVC] -P tests/check_build.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT BUILD_DIR OR NOT COMPILER)
  message(FATAL_ERROR "Usage: cmake -DBUILD_DIR=<build tree> -DCOMPILER=<CMake's compiler id> "
    "[-DFRONTEND=<front end>] -P tests/check_build.cmake")
endif()
if(NOT EXISTS "${BUILD_DIR}/CMakeCache.txt")
  message(FATAL_ERROR "${BUILD_DIR} is no configured build tree: it has no CMakeCache.txt")
endif()
# The record is kept under the version of the CMake that configured the tree.
file(STRINGS "${BUILD_DIR}/CMakeCache.txt" version REGEX "^CMAKE_CACHE_(MAJOR|MINOR|PATCH)_VERSION:")
list(TRANSFORM version REPLACE "^[^=]*=" "")
list(JOIN version "." version)
file(GLOB records "${BUILD_DIR}/CMakeFiles/*/CMakeCXXCompiler.cmake")
string(REPLACE "." "\\." pattern "/${version}")
list(FILTER records INCLUDE REGEX "${pattern}(-[^/]*)?/CMakeCXXCompiler\\.cmake$")
if(NOT records)
  message(FATAL_ERROR "${BUILD_DIR} holds no C++ compiler that CMake ${version} identified: "
    "no CMakeFiles/${version}/CMakeCXXCompiler.cmake")
endif()
list(GET records 0 record)
file(STRINGS "${record}" lines REGEX "^set\\(CMAKE_CXX_COMPILER_(ID|FRONTEND_VARIANT|VERSION) ")
foreach(line IN LISTS lines)
  string(REGEX MATCH "^set\\(CMAKE_CXX_COMPILER_([A-Z_]+) \"(.*)\"\\)$" _ "${line}")
  set(found_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()
set(found "${found_ID} ${found_VERSION}")
if(found_FRONTEND_VARIANT)
  string(APPEND found ", ${found_FRONTEND_VARIANT} front end")
endif()
message(STATUS "${BUILD_DIR}: ${found}")
if(NOT found_ID STREQUAL COMPILER OR (FRONTEND AND NOT found_FRONTEND_VARIANT STREQUAL FRONTEND))
  set(expected "${COMPILER}")
  if(FRONTEND)
    string(APPEND expected ", ${FRONTEND} front end")
  endif()
  message(FATAL_ERROR "${BUILD_DIR} was configured with ${found}, not ${expected}")
endif()

# A multi-config generator records its configurations; a single-config one, the one it builds.
file(STRINGS "${BUILD_DIR}/CMakeCache.txt" cache REGEX "^CMAKE_(BUILD_TYPE|CONFIGURATION_TYPES):")
string(TOUPPER "${cache}" upper)
if(NOT upper MATCHES "CMAKE_CONFIGURATION_TYPES:" AND NOT upper MATCHES "CMAKE_BUILD_TYPE:[A-Z]+=RELEASE(;|$)")
  message(FATAL_ERROR "${BUILD_DIR} is a single-config build, but not Release: ${cache}")
endif()
