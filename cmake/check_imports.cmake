# Run by cpack once the ZIP's files are staged, before they are packed. The ZIP
# holds no DLL, so its program may import only KERNEL32 and the C runtime,
# which ship with Windows. They are read from objdump -p (GNU's indents them
# with a tab, LLVM's with spaces; in English, which cpack's project config file
# sets) or from dumpbin /dependents (the names alone, which none translates).
list(GET CPACK_NEPARNI_LIST_IMPORTS 0 tool)
find_program(tool_found "${tool}" NO_CACHE)  # a command name is looked for on PATH
if(NOT tool_found)
  message(FATAL_ERROR "No ZIP: with neither the toolchain's objdump nor Visual Studio's dumpbin, "
    "what ${CPACK_NEPARNI_PROGRAM} imports cannot be checked.")
endif()
execute_process(COMMAND ${CPACK_NEPARNI_LIST_IMPORTS} "${CPACK_TEMPORARY_DIRECTORY}/${CPACK_NEPARNI_PROGRAM}"
  OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "\n[ \t]+(DLL Name: )?[^ \t\r\n]+\\.[Dd][Ll][Ll]" imports "${listing}")
list(TRANSFORM imports REPLACE "^\n[ \t]+(DLL Name: )?" "")
if(NOT imports)
  # Every Windows program imports KERNEL32.dll at least.
  message(FATAL_ERROR "No ZIP: ${tool} listed no DLL that ${CPACK_NEPARNI_PROGRAM} imports, "
    "not even KERNEL32.dll, so nothing was checked.")
endif()
set(runtimes "")
set(others "")
foreach(dll IN LISTS imports)
  string(TOLOWER "${dll}" name)
  if(name MATCHES "^(libgcc_s|libstdc\\+\\+|libwinpthread|libc\\+\\+|libunwind|vcruntime|msvcp|concrt)")
    list(APPEND runtimes "${dll}")
  elseif(NOT name MATCHES "^(kernel32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\\.dll$")
    list(APPEND others "${dll}")
  endif()
endforeach()
if(runtimes)
  list(JOIN runtimes ", " runtimes)
  message(FATAL_ERROR "No ZIP: ${CPACK_NEPARNI_PROGRAM} imports ${runtimes}, the compiler's runtime, "
    "which Windows does not ship and the ZIP does not hold. NEPARNI_STATIC=ON links it in.")
elseif(others)
  list(JOIN others ", " others)
  message(FATAL_ERROR "No ZIP: ${CPACK_NEPARNI_PROGRAM} imports ${others}, beyond KERNEL32 and the "
    "C runtime, which are all that this program uses: find what linked it in.")
endif()
message(STATUS "${CPACK_NEPARNI_PROGRAM} imports only DLLs that ship with Windows: ${imports}")
