# Run by cpack once the ZIP's files are staged, before they are packed. The ZIP
# holds no DLL, so its program may import only those that ship with Windows:
# one that needs MinGW-w64's runtimes as DLLs (NEPARNI_STATIC=OFF) is refused.
if(NOT CPACK_GENERATOR STREQUAL "ZIP")
  return()
endif()
set(program "${CPACK_TEMPORARY_DIRECTORY}/${CPACK_NEPARNI_PROGRAM}")
if(NOT CPACK_OBJDUMP_EXECUTABLE)
  message(FATAL_ERROR "No ZIP: with no objdump, what ${CPACK_NEPARNI_PROGRAM} imports cannot be checked.")
endif()
execute_process(COMMAND "${CPACK_OBJDUMP_EXECUTABLE}" -p "${program}"
  OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\tDLL Name: [^\n]+" imports "${headers}")
list(TRANSFORM imports REPLACE "^\tDLL Name: " "")
set(foreign "")
foreach(dll IN LISTS imports)
  string(TOLOWER "${dll}" name)
  if(NOT name MATCHES "^(kernel32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\\.dll$")
    list(APPEND foreign "${dll}")
  endif()
endforeach()
if(foreign)
  list(JOIN foreign ", " foreign)
  message(FATAL_ERROR "No ZIP: ${CPACK_NEPARNI_PROGRAM} imports ${foreign}, which Windows does not "
    "ship and the ZIP does not hold. NEPARNI_STATIC=ON links them in.")
endif()
message(STATUS "${CPACK_NEPARNI_PROGRAM} imports only DLLs that ship with Windows: ${imports}")
