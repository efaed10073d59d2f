# Read by cpack before it stages the package: the times that packaging writes
# (the strip's PE time stamp, the ZIP's entry dates) become the commit's, so
# that one commit always packs to the same bytes. A SOURCE_DATE_EPOCH already
# set wins; outside a git checkout the package keeps the build's times.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CMAKE_CURRENT_LIST_DIR}/.." log -1 --format=%ct
    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE git_failed ERROR_QUIET)
  if(NOT git_failed)
    set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
  endif()
endif()
