# Run in the build tree: packs CONFIG's ZIP into DIR and unpacks it as DIR/unpacked.
file(REMOVE_RECURSE "${DIR}")
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -C ${CONFIG} -B ${DIR} COMMAND_ERROR_IS_FATAL ANY)
file(GLOB zip "${DIR}/*.zip")
file(ARCHIVE_EXTRACT INPUT "${zip}" DESTINATION "${DIR}/extracted")
file(GLOB folder "${DIR}/extracted/*")
file(RENAME "${folder}" "${DIR}/unpacked")
