# Run by cpack after repack_zip.cmake. Beside the ZIP goes a record of what made
# it, after Debian's .buildinfo: the commit, the ZIP's SHA-256 and the exact
# versions of the Debian packages whose bytes are in it, so that a rebuild long
# after can install the same tools.
if(NOT CPACK_GENERATOR STREQUAL "ZIP")
  return()
endif()
set(packages binutils-mingw-w64-x86-64 cmake cmake-data g++-mingw-w64-x86-64-win32
  gcc-mingw-w64-base gcc-mingw-w64-x86-64-win32 mingw-w64-common mingw-w64-x86-64-dev zip)
find_program(DPKG_QUERY_EXECUTABLE dpkg-query)
if(DPKG_QUERY_EXECUTABLE)
  execute_process(COMMAND "${DPKG_QUERY_EXECUTABLE}" --show "--showformat= \${Package} (= \${Version}),\n" ${packages}
    OUTPUT_VARIABLE versions ERROR_VARIABLE not_installed)
  string(REGEX REPLACE ",\n$" "\n" versions "${versions}")
  string(REGEX REPLACE "(^|\n)dpkg-query: " "\\1 " not_installed "${not_installed}")
  if(not_installed)
    string(APPEND versions "Not-Installed:\n${not_installed}")
  endif()
else()
  set(versions " unknown: this machine has no dpkg-query\n")
endif()
if(NOT CPACK_NEPARNI_COMMIT)
  set(CPACK_NEPARNI_COMMIT "none (not built from a git checkout)")
endif()
file(SHA256 "${CPACK_PACKAGE_FILES}" sha256)
file(SIZE "${CPACK_PACKAGE_FILES}" size)
# The ZIP is still in CPack's staging folder, and goes beside the buildinfo later.
string(REGEX REPLACE "\\.zip$" ".buildinfo" buildinfo "${CPACK_OUTPUT_FILE_PATH}")
file(WRITE "${buildinfo}" "Format: 1.0
Source: ${CPACK_PACKAGE_NAME}
Version: ${CPACK_PACKAGE_VERSION}
Commit: ${CPACK_NEPARNI_COMMIT}
Checksums-Sha256:
 ${sha256} ${size} ${CPACK_OUTPUT_FILE_NAME}
Installed-Build-Depends:
${versions}")
