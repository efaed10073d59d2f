# Runs PROGRAM (through EMULATOR, if set) on INPUT_FILE and compares, byte for byte:
#   standard output  the five prompts, then EXPECTED_LISTING (unless it goes to OUTPUT_FILE)
#   standard error   EXPECTED_ERROR and a line end, or nothing
#   exit status      EXPECTED_STATUS, or 0
# A Windows program, named .exe or .cmd, ends lines in CR LF. PAUSE=ON says that PROGRAM is
# neparni.cmd, which ends the listing's line and writes pause's message.
cmake_minimum_required(VERSION 3.25)

# Both streams go to files, read back as hex: a CMake string holds no NUL byte, and
# execute_process would turn CR LF into LF. A program still running after 30 s is ended.
set(output_file "${INPUT_FILE}.out")
if(DEFINED OUTPUT_FILE)
  set(output_file "${OUTPUT_FILE}")
endif()
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" INPUT_FILE "${INPUT_FILE}"
  OUTPUT_FILE "${output_file}" ERROR_FILE "${INPUT_FILE}.err" RESULT_VARIABLE status TIMEOUT 30)
file(READ "${output_file}" output HEX LIMIT 4096)
file(READ "${INPUT_FILE}.err" error HEX LIMIT 4096)
file(REMOVE "${INPUT_FILE}.out" "${INPUT_FILE}.err")

set(newline "\n")
if(PROGRAM MATCHES "\\.([Ee][Xx][Ee]|[Cc][Mm][Dd])$")
  set(newline "\r\n")
endif()
string(REPEAT "Unesi broj: " 5 expected_output)
string(APPEND expected_output "${EXPECTED_LISTING}")
if(PAUSE)
  string(APPEND expected_output "\r\n") # from cmd's "echo."
endif()
if(DEFINED EXPECTED_ERROR)
  string(APPEND EXPECTED_ERROR "${newline}")
endif()
if(NOT DEFINED EXPECTED_STATUS)
  set(EXPECTED_STATUS 0)
endif()

# Bytes as text, but \xNN for each that is not printable ASCII, such as a line end.
function(visible hex result)
  string(REGEX MATCHALL ".." bytes "${hex}")
  set(text "")
  foreach(byte IN LISTS bytes)
    math(EXPR code "0x${byte}")
    if(code GREATER_EQUAL 32 AND code LESS 127)
      string(ASCII ${code} byte)
    else()
      set(byte "\\x${byte}")
    endif()
    string(APPEND text "${byte}")
  endforeach()
  set(${result} "${text}" PARENT_SCOPE)
endfunction()

set(failures "")
function(compare what expected actual_hex)
  string(HEX "${expected}" expected_hex)
  if(NOT actual_hex STREQUAL expected_hex)
    visible("${expected_hex}" expected)
    visible("${actual_hex}" actual)
    string(APPEND failures "${what} differs\n  expected: [${expected}]\n  actual:   [${actual}]\n")
    set(failures "${failures}" PARENT_SCOPE)
  endif()
endfunction()

string(HEX "${expected_output}" prefix)
if(PAUSE AND output MATCHES "^${prefix}(.*)$")
  # pause's message is in the system's language, so it need only be there, with no NUL byte.
  set(output "${prefix}")
  if(CMAKE_MATCH_1 STREQUAL "" OR CMAKE_MATCH_1 MATCHES "^(..)*00")
    string(APPEND failures "pause's message is missing or holds a NUL byte\n")
  endif()
endif()
if(NOT DEFINED OUTPUT_FILE)
  compare("standard output" "${expected_output}" "${output}")
endif()
compare("standard error" "${EXPECTED_ERROR}" "${error}")
string(HEX "${status}" status)
compare("exit status" "${EXPECTED_STATUS}" "${status}")
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
