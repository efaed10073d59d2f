# cpack runs this once it has made the ZIP, to pack it again so that the same commit, packed
# with the same packages, always gives the same bytes, and to write the buildinfo beside it.
set(record "${CPACK_NEPARNI_BUILD_DIR}/buildinfo-${CPACK_BUILD_CONFIG}.txt")
if(NOT EXISTS "${record}")
  # A failed script does not keep cpack from copying the ZIP out, so remove the ZIP first.
  file(REMOVE "${CPACK_PACKAGE_FILES}")
  message(FATAL_ERROR "No ZIP: this tree has no configuration \"${CPACK_BUILD_CONFIG}\".")
endif()

# CPack's ZIP differs from run to run even with SOURCE_DATE_EPOCH set: it has the packer's
# time zone, owner and umask. So Info-ZIP packs the files again, dated SOURCE_DATE_EPOCH in
# UTC, without owner (-X) or folders (-D), with the commit in its comment (-z).
find_program(ZIP_EXECUTABLE zip)
find_program(TOUCH_EXECUTABLE touch)
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} OR NOT ZIP_EXECUTABLE OR NOT TOUCH_EXECUTABLE)
  message(WARNING "No rebuild will match this ZIP: packing it again needs zip, touch, and a "
    "commit or SOURCE_DATE_EPOCH.")
else()
  get_filename_component(staging_top "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY)
  # file(GLOB) would read any [ ] * ? in the staging folder's path as a pattern, so each such
  # character is put in brackets: [*] matches only *.
  string(REGEX REPLACE "[][*?]" "[\\0]" staging_pattern "${CPACK_TEMPORARY_DIRECTORY}")
  file(GLOB_RECURSE files RELATIVE "${staging_top}" "${staging_pattern}/*")
  string(TIMESTAMP date "%Y%m%d%H%M.%S" UTC) # SOURCE_DATE_EPOCH's, for touch -t
  set(comment "${CPACK_PACKAGE_NAME} ${CPACK_PACKAGE_VERSION}")
  if(NOT CPACK_NEPARNI_COMMIT MATCHES "^none")
    string(APPEND comment ", built from commit ${CPACK_NEPARNI_COMMIT}")
  endif()
  file(WRITE "${staging_top}/comment" "${comment}\n")
  file(REMOVE "${CPACK_PACKAGE_FILES}")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC "${TOUCH_EXECUTABLE}" -t ${date}
    ${files} WORKING_DIRECTORY "${staging_top}" COMMAND_ERROR_IS_FATAL ANY)
  # Info-ZIP would take options from ZIP and ZIPOPT.
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=ZIP --unset=ZIPOPT TZ=UTC
    "${ZIP_EXECUTABLE}" -q -X -D -z "${CPACK_PACKAGE_FILES}" ${files} WORKING_DIRECTORY
    "${staging_top}" INPUT_FILE "${staging_top}/comment" COMMAND_ERROR_IS_FATAL ANY)
endif()

# The buildinfo, in the form of Debian's, tells a rebuild what made the ZIP.
set(packages binutils-mingw-w64-x86-64 cmake cmake-data g++-mingw-w64-x86-64-win32
  gcc-mingw-w64-base gcc-mingw-w64-x86-64-win32 mingw-w64-common mingw-w64-x86-64-dev zip)
find_program(DPKG_QUERY_EXECUTABLE dpkg-query)
if(NOT DPKG_QUERY_EXECUTABLE)
  message(WARNING "The buildinfo lists no package versions: this machine has no dpkg-query.")
  set(packages "")
endif()
foreach(package IN LISTS packages)
  # Only "installed" counts: dpkg-query also shows packages removed but for their conffiles.
  execute_process(COMMAND "${DPKG_QUERY_EXECUTABLE}" --show
    "--showformat=\${db:Status-Status} \${Version}" ${package} OUTPUT_VARIABLE shown ERROR_QUIET)
  if(shown MATCHES "^installed (.+)")
    list(APPEND installed " ${package} (= ${CMAKE_MATCH_1})")
  else()
    message(WARNING "The buildinfo lists no version of ${package}, which is not installed.")
  endif()
endforeach()
set(depends "")
if(installed)
  list(JOIN installed ",\n" installed)
  set(depends "Installed-Build-Depends:\n${installed}\n")
endif()

file(READ "${record}" how_built)
# Empty flags leave double and trailing blanks.
string(REGEX REPLACE "  +" " " how_built "${how_built}")
string(REPLACE " \n" "\n" how_built "${how_built}")
file(SHA256 "${CPACK_PACKAGE_FILES}" sha256)
file(SIZE "${CPACK_PACKAGE_FILES}" size)
# The ZIP is not copied out yet; the buildinfo goes where cpack will put it.
string(REGEX REPLACE "\\.zip$" ".buildinfo" buildinfo "${CPACK_OUTPUT_FILE_PATH}")
file(WRITE "${buildinfo}" "Format: 1.0
Source: ${CPACK_PACKAGE_NAME}
Version: ${CPACK_PACKAGE_VERSION}
Commit: ${CPACK_NEPARNI_COMMIT}
${how_built}Checksums-Sha256:
 ${sha256} ${size} ${CPACK_OUTPUT_FILE_NAME}
${depends}")
