# Runs PROGRAM (through EMULATOR, if set) on INPUT_FILE, and compares byte for byte:
#   standard output  the five prompts, then EXPECTED_LISTING (unless it goes to OUTPUT_FILE)
#   standard error   EXPECTED_ERROR and a line end, or nothing
#   exit status      EXPECTED_STATUS, or 0
# A Windows program, named .exe or .cmd, ends lines in CR LF. PAUSE=ON says that PROGRAM is
# neparni.cmd, which after the listing writes a line end and pause's message.
cmake_minimum_required(VERSION 3.25)

# Both streams go to files, read back as hex: a CMake string holds no NUL byte, and
# execute_process would turn CR LF into LF.
string(RANDOM run)
set(output_file "${INPUT_FILE}.${run}.out")
if(DEFINED OUTPUT_FILE)
  set(output_file "${OUTPUT_FILE}")
endif()
set(error_file "${INPUT_FILE}.${run}.err")
# A program that has not ended after 30 s is taken to hang, and is ended.
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" INPUT_FILE "${INPUT_FILE}"
  OUTPUT_FILE "${output_file}" ERROR_FILE "${error_file}" RESULT_VARIABLE status TIMEOUT 30)
# 4096 bytes hold what is expected, and show the start of what a runaway program wrote.
file(READ "${error_file}" error HEX LIMIT 4096)
if(NOT DEFINED OUTPUT_FILE)
  file(READ "${output_file}" output HEX LIMIT 4096)
endif()
file(REMOVE "${error_file}" "${INPUT_FILE}.${run}.out")

set(newline "\n")
if(PROGRAM MATCHES "\\.([Ee][Xx][Ee]|[Cc][Mm][Dd])$")
  set(newline "\r\n")
endif()
string(REPEAT "Unesi broj: " 5 expected_output)
string(APPEND expected_output "${EXPECTED_LISTING}")
if(PAUSE)
  # cmd's "echo." ends the listing's line.
  string(APPEND expected_output "\r\n")
endif()
string(HEX "${expected_output}" expected_output)
set(expected_error "")
if(DEFINED EXPECTED_ERROR)
  set(expected_error "${EXPECTED_ERROR}${newline}")
endif()
string(HEX "${expected_error}" expected_error)
if(NOT DEFINED EXPECTED_STATUS)
  set(EXPECTED_STATUS 0)
endif()

# Bytes as text, but each that is not printable ASCII as \xNN, so that line ends show.
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
function(compare what expected actual)
  if(NOT actual STREQUAL expected)
    visible("${expected}" expected)
    visible("${actual}" actual)
    string(APPEND failures "${what} differs\n  expected: [${expected}]\n  actual:   [${actual}]\n")
    set(failures "${failures}" PARENT_SCOPE)
  endif()
endfunction()

if(PAUSE AND output MATCHES "^${expected_output}(.*)$")
  # pause's message is in the system's language: it must only be there, with no NUL byte.
  set(pause_message "${CMAKE_MATCH_1}")
  set(output "${expected_output}")
  if(pause_message STREQUAL "" OR pause_message MATCHES "^(..)*00")
    visible("${pause_message}" pause_message)
    string(APPEND failures "pause's message is missing or holds a NUL byte: [${pause_message}]\n")
  endif()
endif()
if(NOT DEFINED OUTPUT_FILE)
  compare("standard output" "${expected_output}" "${output}")
endif()
compare("standard error" "${expected_error}" "${error}")
if(NOT status STREQUAL EXPECTED_STATUS)
  string(APPEND failures
    "exit status differs\n  expected: [${EXPECTED_STATUS}]\n  actual:   [${status}]\n")
endif()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
