# Run by cpack once it has made a package; only a ZIP is remade. With
# SOURCE_DATE_EPOCH set, CPack's own ZIP still differs from one build to the
# next: it dates each entry in the packer's time zone (a ZIP date has none),
# records the owner's user and group IDs, and gives the folder the mode that
# the umask left. So the staged files are packed again with Info-ZIP: with no
# owner (-X) and no folder entries (-D), each dated SOURCE_DATE_EPOCH in UTC,
# deaf to Info-ZIP's own environment variables, and with the commit in the
# ZIP's comment.
find_program(ZIP_EXECUTABLE zip)
find_program(TOUCH_EXECUTABLE touch)
if(TOUCH_EXECUTABLE)
  # Only GNU touch takes a date as @seconds; it alone answers --version.
  execute_process(COMMAND "${TOUCH_EXECUTABLE}" --version RESULT_VARIABLE not_gnu_touch OUTPUT_QUIET ERROR_QUIET)
  if(not_gnu_touch)
    unset(TOUCH_EXECUTABLE)
  endif()
endif()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  # No time to give the files: cpack has said why already.
elseif(NOT ZIP_EXECUTABLE OR NOT TOUCH_EXECUTABLE)
  message(WARNING "The ZIP keeps its build's times and owner, so no rebuild will match it: "
    "that needs Info-ZIP's zip and GNU touch.")
else()
  get_filename_component(staging_top "${CPACK_TEMPORARY_DIRECTORY}" DIRECTORY)
  # A [, * or ? in the path is escaped as a class of its own, so that the path
  # is no pattern.
  string(REGEX REPLACE "[][*?]" "[\\0]" staging_pattern "${CPACK_TEMPORARY_DIRECTORY}")
  file(GLOB_RECURSE staged_files RELATIVE "${staging_top}" "${staging_pattern}/*")
  file(REMOVE "${CPACK_PACKAGE_FILES}")
  execute_process(COMMAND "${TOUCH_EXECUTABLE}" -d "@$ENV{SOURCE_DATE_EPOCH}" ${staged_files}
    WORKING_DIRECTORY "${staging_top}" COMMAND_ERROR_IS_FATAL ANY)
  set(comment "${CPACK_PACKAGE_NAME} ${CPACK_PACKAGE_VERSION}")
  if(CPACK_NEPARNI_COMMIT)
    string(APPEND comment ", built from commit ${CPACK_NEPARNI_COMMIT}")
  endif()
  file(WRITE "${staging_top}/comment" "${comment}\n")
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env --unset=ZIP --unset=ZIPOPT TZ=UTC
    "${ZIP_EXECUTABLE}" -q -X -D -z "${CPACK_PACKAGE_FILES}" ${staged_files}
    WORKING_DIRECTORY "${staging_top}" INPUT_FILE "${staging_top}/comment" COMMAND_ERROR_IS_FATAL ANY)
endif()
