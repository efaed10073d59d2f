# Run by cpack after repack_zip.cmake. Beside the ZIP goes a record of what made
# it, after Debian's .buildinfo: the commit, how the program was configured, the
# ZIP's SHA-256 and the exact versions of the Debian packages whose bytes are
# in it, so that a rebuild long after can install the same tools.
set(packages binutils-mingw-w64-x86-64 cmake cmake-data g++-mingw-w64-x86-64-win32
  gcc-mingw-w64-base gcc-mingw-w64-x86-64-win32 mingw-w64-common mingw-w64-x86-64-dev zip)
find_program(DPKG_QUERY_EXECUTABLE dpkg-query)
if(DPKG_QUERY_EXECUTABLE)
  # dpkg-query shows a removed package whose configuration files are kept as
  # well: only a package in the state "installed" counts.
  execute_process(COMMAND "${DPKG_QUERY_EXECUTABLE}" --show
    "--showformat=\${db:Status-Status} \${Package} \${Version}\n" ${packages}
    OUTPUT_VARIABLE shown ERROR_QUIET)
  string(REPLACE "\n" ";" shown "${shown}")
  set(depends "Installed-Build-Depends:\n")
  set(not_installed ${packages})
  foreach(line IN LISTS shown)
    if(line MATCHES "^installed ([^ ]+) (.+)$")
      string(APPEND depends " ${CMAKE_MATCH_1} (= ${CMAKE_MATCH_2}),\n")
      list(REMOVE_ITEM not_installed "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  string(REGEX REPLACE ",\n$" "\n" depends "${depends}")
  if(not_installed)
    list(JOIN not_installed "\n " not_installed)
    string(APPEND depends "Not-Installed:\n ${not_installed}\n")
  endif()
else()
  message(WARNING "The buildinfo lists no package versions: this machine has no dpkg-query.")
  set(depends "")
endif()
if(NOT CPACK_NEPARNI_COMMIT)
  set(CPACK_NEPARNI_COMMIT "none (${CPACK_NEPARNI_NO_COMMIT})")
endif()
# How this ZIP's program was built, as the build wrote it for its configuration.
set(configuration "${CPACK_NEPARNI_BUILD_TYPE}")
if(NOT configuration)
  set(configuration "${CPACK_BUILD_CONFIG}")
endif()
set(record "${CPACK_NEPARNI_CONFIGURATION_DIR}/buildinfo-${configuration}.txt")
if(NOT EXISTS "${record}")
  # cpack goes on after a failed script: with no ZIP to copy, it copies none.
  file(REMOVE "${CPACK_PACKAGE_FILES}")
  message(FATAL_ERROR "No ZIP: this build has no configuration \"${configuration}\" to pack "
    "(cpack -C names one that was built).")
endif()
file(READ "${record}" how_built)
# Flags that are empty leave their blanks behind.
string(REGEX REPLACE "  +" " " how_built "${how_built}")
string(REPLACE " \n" "\n" how_built "${how_built}")
file(SHA256 "${CPACK_PACKAGE_FILES}" sha256)
file(SIZE "${CPACK_PACKAGE_FILES}" size)
# The ZIP is still in CPack's staging folder, and goes beside the buildinfo later.
string(REGEX REPLACE "\\.zip$" ".buildinfo" buildinfo "${CPACK_OUTPUT_FILE_PATH}")
file(WRITE "${buildinfo}" "Format: 1.0
Source: ${CPACK_PACKAGE_NAME}
Version: ${CPACK_PACKAGE_VERSION}
Commit: ${CPACK_NEPARNI_COMMIT}
${how_built}Checksums-Sha256:
 ${sha256} ${size} ${CPACK_OUTPUT_FILE_NAME}
${depends}")
