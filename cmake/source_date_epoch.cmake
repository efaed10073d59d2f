# Read by cpack before it stages a package. Its tools speak English, which the
# import check reads, and git's words may go into the buildinfo: only the C
# locale overrides LANGUAGE too (C.UTF-8 does not).
set(ENV{LC_ALL} C)
# Only the source package's configuration names directories to pack: the
# whole source folder, which holds the build trees and the tests' Wine prefix.
# It is refused at once, with what packs the committed sources instead.
if(CPACK_INSTALLED_DIRECTORIES)
  message(FATAL_ERROR "No source package: it would hold every build tree in the source folder. "
    "git packs the committed sources:\n"
    "  git archive --prefix=${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}/ "
    "-o ${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}.tar.gz HEAD")
endif()

# The times that packaging writes (the strip's PE time stamp, the ZIP's entry
# dates) become the commit's, so that one commit always packs to the same
# bytes, and the package names that commit. A SOURCE_DATE_EPOCH already set
# wins. The commit is read only where these sources are the top of a git
# checkout of their own, never from a repository that merely holds them: git
# looks no higher than their parent.
get_filename_component(source_dir "${CMAKE_CURRENT_LIST_DIR}/.." REALPATH)
get_filename_component(source_parent "${source_dir}" DIRECTORY)
set(ENV{GIT_CEILING_DIRECTORIES} "${source_parent}")
execute_process(COMMAND git -C "${source_dir}" log -1 --format=%H%n%ct
  OUTPUT_VARIABLE commit ERROR_VARIABLE git_error RESULT_VARIABLE git_failed
  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE)
if(git_failed)
  # git's own words say why: not a checkout of their own, one it will not
  # trust, or one with no commit yet.
  if(NOT git_error)
    set(git_error "git: ${git_failed}")
  endif()
  set(no_commit "git could not read the commit:\n${git_error}")
  # Its first line, for the buildinfo's Commit field.
  string(REGEX MATCH "^(fatal: )?([^\n]*)" CPACK_NEPARNI_NO_COMMIT "${git_error}")
  set(CPACK_NEPARNI_NO_COMMIT "${CMAKE_MATCH_2}")
else()
  string(REPLACE "\n" ";" commit "${commit}")
  list(GET commit 0 CPACK_NEPARNI_COMMIT)
  list(GET commit 1 commit_time)
  execute_process(COMMAND git -C "${source_dir}" status --porcelain --untracked-files=no
    OUTPUT_VARIABLE changes OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()

if(changes)
  # Not what the commit packs to: marked, in the file name and the ZIP's comment.
  message(WARNING "The sources differ from commit ${CPACK_NEPARNI_COMMIT} (git status), so the "
    "package is marked -dirty, and no rebuild of the commit will match it:\n${changes}")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-dirty")
  string(APPEND CPACK_NEPARNI_COMMIT " with uncommitted changes")
elseif(no_commit AND DEFINED ENV{SOURCE_DATE_EPOCH})
  message(WARNING "The package names no commit: ${no_commit}")
elseif(no_commit)
  message(WARNING "The package names no commit and keeps the build's times, "
    "so no rebuild will match it: ${no_commit}")
endif()
# The scripts around the Windows ZIP are for a ZIP alone, and no earlier ZIP,
# checksum or buildinfo of its name stays to pass for this run's, if it fails.
if(NOT CPACK_GENERATOR STREQUAL "ZIP")
  unset(CPACK_PRE_BUILD_SCRIPTS)
  unset(CPACK_POST_BUILD_SCRIPTS)
else()
  set(package "${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}")
  file(REMOVE "${package}.zip" "${package}.zip.sha256" "${package}.buildinfo")
endif()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND DEFINED commit_time)
  set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
  # A value the tools half understand gives a package that no rebuild matches.
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be a whole number of seconds since "
    "1970-01-01 UTC, digits only, not \"$ENV{SOURCE_DATE_EPOCH}\".")
endif()
