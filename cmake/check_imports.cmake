# cpack runs this once the ZIP's files are staged. The ZIP holds no DLL, so its program may
# import only KERNEL32 and the C runtime, which come with Windows.
list(GET CPACK_NEPARNI_LIST_IMPORTS 0 tool)
find_program(tool_found "${tool}" NO_CACHE)
if(NOT tool_found)
  message(FATAL_ERROR "No ZIP: no objdump or dumpbin to list what the program imports.")
endif()
set(program "${CPACK_TEMPORARY_DIRECTORY}/${CPACK_NEPARNI_PROGRAM}")
execute_process(COMMAND ${CPACK_NEPARNI_LIST_IMPORTS} "${program}" OUTPUT_VARIABLE listing
  COMMAND_ERROR_IS_FATAL ANY)
# objdump writes "DLL Name: KERNEL32.dll", indented by a tab (GNU) or by blanks (LLVM).
# dumpbin writes the indented name alone.
string(TOLOWER "${listing}" listing)
string(REGEX MATCHALL "\n[ \t]+(dll name: )?[^ \t\r\n]+\\.dll" imports "${listing}")
list(TRANSFORM imports REPLACE "^\n[ \t]+(dll name: )?" "")
if(NOT imports)
  message(FATAL_ERROR "No ZIP: ${tool} listed no DLL, not even kernel32.dll.")
endif()
set(others ${imports})
list(FILTER others EXCLUDE REGEX "^(kernel32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\\.dll$")
if(others)
  list(JOIN others ", " others)
  message(FATAL_ERROR "No ZIP: the program imports ${others}, beyond KERNEL32 and the C runtime. "
    "NEPARNI_STATIC=ON links the compiler's runtimes in.")
endif()
message(STATUS "The program imports only DLLs that come with Windows: ${imports}")
