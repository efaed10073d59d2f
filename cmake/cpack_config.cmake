# cpack reads this before its scripts. The import check parses objdump's output, which must be
# in English: LC_ALL=C makes it so. C.UTF-8 would not, as gettext still follows LANGUAGE there.
set(ENV{LC_ALL} C)

if(CPACK_INSTALLED_DIRECTORIES) # set for the source package only
  set(name ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION})
  message(FATAL_ERROR "No source package, which would hold every build tree. git packs the "
    "committed sources:\n  git archive --prefix=${name}/ -o ${name}.tar.gz HEAD")
endif()

# The package names this tree's commit (-dirty if changed), never an enclosing repository's.
get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}/.." REALPATH)
get_filename_component(source_parent "${source_dir}" DIRECTORY)
set(ENV{GIT_CEILING_DIRECTORIES} "${source_parent}")
execute_process(COMMAND git -C "${source_dir}" describe --always --dirty --abbrev=40 --exclude=*
  OUTPUT_VARIABLE CPACK_NEPARNI_COMMIT ERROR_VARIABLE git_error RESULT_VARIABLE git_failed
  OUTPUT_STRIP_TRAILING_WHITESPACE)
if(git_failed)
  # The reason is git's first error line or, if git could not start, what execute_process says.
  string(REGEX MATCH "^(fatal: )?([^\n]*)" why "${git_error}git: ${git_failed}")
  set(why "${CMAKE_MATCH_2}")
  set(CPACK_NEPARNI_COMMIT "none (${why})")
  message(WARNING "The package names no commit: ${why}")
elseif(CPACK_NEPARNI_COMMIT MATCHES "(.*)-dirty$")
  message(WARNING "The sources differ from commit ${CMAKE_MATCH_1}: the package is -dirty.")
  set(CPACK_NEPARNI_COMMIT "${CMAKE_MATCH_1} with uncommitted changes")
  string(APPEND CPACK_PACKAGE_FILE_NAME -dirty)
endif()

# Packing dates the ZIP's files, and strip dates the program. Both take the commit's time
# unless SOURCE_DATE_EPOCH is set.
if(NOT git_failed AND NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${source_dir}" log -1 --format=%ct
    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
endif()

if(NOT CPACK_GENERATOR STREQUAL "ZIP")
  # cpack -G may pack something else, for which the ZIP's scripts are not meant.
  unset(CPACK_PRE_BUILD_SCRIPTS)
  unset(CPACK_POST_BUILD_SCRIPTS)
else()
  # Remove an earlier run's files, so that a failed run leaves none that seem its own.
  set(package "${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}")
  file(REMOVE "${package}.zip" "${package}.zip.sha256" "${package}.buildinfo")
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a whole number of seconds since "
    "1970-01-01 UTC, digits only, not \"$ENV{SOURCE_DATE_EPOCH}\".")
endif()
