# Runs the program once, through EMULATOR when it is set, with INPUT_FILE as its
# standard input, and checks standard output (unless it goes to OUTPUT_FILE) and
# standard error byte for byte, and the exit status. A program still running
# after 60 s (time for Wine to make a new prefix first) is ended, and fails.
# Lines from a Windows program (PROGRAM ends in .exe or .cmd, in any case) end
# in CR LF. With PAUSE set, PROGRAM is neparni.cmd: after the listing come a new
# line and pause's message, which is in the system's language.
cmake_minimum_required(VERSION 3.25)

# Both streams go to files, read back as bytes: a variable that execute_process
# fills holds no NUL byte, and no CR of a CR LF.
string(RANDOM LENGTH 8 run)
set(error_file "${INPUT_FILE}.${run}.err")
set(output_file "${INPUT_FILE}.${run}.out")
if(DEFINED OUTPUT_FILE)
  set(output_file "${OUTPUT_FILE}")
endif()
execute_process(COMMAND ${EMULATOR} "${PROGRAM}" INPUT_FILE "${INPUT_FILE}"
  OUTPUT_FILE "${output_file}" ERROR_FILE "${error_file}"
  RESULT_VARIABLE actual_status TIMEOUT 60)
# Enough for what is expected, and for what a runaway program wrote first.
file(READ "${error_file}" actual_error HEX LIMIT 4096)
file(REMOVE "${error_file}")
if(NOT DEFINED OUTPUT_FILE)
  file(READ "${output_file}" actual_output HEX LIMIT 4096)
  file(REMOVE "${output_file}")
endif()
if(actual_status MATCHES "timeout")
  message(FATAL_ERROR "The program did not end within 60 s and was ended.")
endif()

set(newline "\n")
if(PROGRAM MATCHES "\\.([Ee][Xx][Ee]|[Cc][Mm][Dd])$")
  set(newline "\r\n")
endif()
string(REPEAT "Unesi broj: " 5 expected_output)
string(APPEND expected_output "${EXPECTED_LISTING}")
if(PAUSE)
  # cmd's echo. writes CR LF.
  string(APPEND expected_output "\r\n")
endif()
string(HEX "${expected_output}" expected_output)
if(PAUSE AND actual_output MATCHES "^${expected_output}(.+)$")
  # pause's message is not compared, but it is checked for NUL bytes below.
  set(pause_message "${CMAKE_MATCH_1}")
  set(actual_output "${expected_output}")
elseif(PAUSE)
  set(pause_message "")
  string(HEX "<pause's message>" pause_message_expected)
  string(APPEND expected_output "${pause_message_expected}")
endif()
if(NOT DEFINED EXPECTED_STATUS)
  set(EXPECTED_STATUS 0)
endif()
set(expected_error "")
if(DEFINED EXPECTED_ERROR)
  set(expected_error "${EXPECTED_ERROR}${newline}")
endif()
string(HEX "${expected_error}" expected_error)

# Bytes made readable: line ends, tabs and every byte that is not printable
# ASCII escaped, so that a difference in them shows.
function(visible hex result)
  string(REGEX MATCHALL ".." bytes "${hex}")
  set(text "")
  foreach(byte IN LISTS bytes)
    math(EXPR code "0x${byte}")
    if(byte STREQUAL "0a")
      string(APPEND text "\\n")
    elseif(byte STREQUAL "0d")
      string(APPEND text "\\r")
    elseif(byte STREQUAL "09")
      string(APPEND text "\\t")
    elseif(code GREATER_EQUAL 32 AND code LESS 127)
      string(ASCII ${code} char)
      string(APPEND text "${char}")
    else()
      string(APPEND text "\\x${byte}")
    endif()
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

if(NOT DEFINED OUTPUT_FILE)
  compare("standard output" "${expected_output}" "${actual_output}")
  if(PAUSE AND pause_message MATCHES "^(..)*00")
    visible("${pause_message}" pause_message)
    string(APPEND failures "pause's message holds a NUL byte: [${pause_message}]\n")
  endif()
endif()
string(HEX "${EXPECTED_STATUS}" expected_status)
string(HEX "${actual_status}" actual_status)
compare("exit status" "${expected_status}" "${actual_status}")
compare("standard error" "${expected_error}" "${actual_error}")
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
