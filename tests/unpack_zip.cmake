# Run in the build tree: packs CONFIG's ZIP into DIR, and unpacks it there as DIR/unpacked.
file(REMOVE_RECURSE "${DIR}")
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -C ${CONFIG} -B ${DIR} COMMAND_ERROR_IS_FATAL ANY)
file(GLOB zip "${DIR}/*.zip")
file(ARCHIVE_EXTRACT INPUT "${zip}" DESTINATION "${DIR}/zip")
file(GLOB folder "${DIR}/zip/*")
file(RENAME "${folder}" "${DIR}/unpacked")
