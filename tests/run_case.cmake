# Runs the program once, through EMULATOR when it is set, with INPUT_FILE as its
# standard input, and checks standard output byte for byte (unless it goes to
# OUTPUT_FILE), the exit status and standard error. A program still running
# after TIME_LIMIT seconds is ended, and fails. With PAUSE set, PROGRAM is
# neparni.cmd: after the listing come a new line and pause's message, which
# is in the system's language.
cmake_minimum_required(VERSION 3.25)

if(NOT DEFINED TIME_LIMIT)
  # Long enough for Wine to make a new prefix before the program starts.
  set(TIME_LIMIT 60)
endif()

if(DEFINED OUTPUT_FILE)
  set(output OUTPUT_FILE "${OUTPUT_FILE}")
else()
  set(output OUTPUT_VARIABLE actual_output)
endif()
execute_process(COMMAND ${EMULATOR} "${PROGRAM}"
  INPUT_FILE "${INPUT_FILE}"
  ${output}
  ERROR_VARIABLE actual_error
  RESULT_VARIABLE actual_status
  TIMEOUT ${TIME_LIMIT})
if(actual_status MATCHES "timeout")
  message(FATAL_ERROR "The program did not end within ${TIME_LIMIT} s and was ended.")
endif()

string(REPEAT "Unesi broj: " 5 expected_output)
string(APPEND expected_output "${EXPECTED_LISTING}")
# execute_process reads a CR LF, which ends a line on Windows, as LF: in
# neparni.cmd's new line as in a message on standard error.
if(PAUSE)
  string(APPEND expected_output "\n")
  string(LENGTH "${expected_output}" length)
  string(LENGTH "${actual_output}" actual_length)
  if(actual_length GREATER length)
    string(SUBSTRING "${actual_output}" 0 ${length} actual_output)
  else()
    string(APPEND expected_output "<pause's message>")
  endif()
endif()
if(NOT DEFINED EXPECTED_STATUS)
  set(EXPECTED_STATUS 0)
endif()
set(expected_error "")
if(DEFINED EXPECTED_ERROR)
  set(expected_error "${EXPECTED_ERROR}\n")
endif()

set(failures "")
function(compare what expected actual)
  if(NOT actual STREQUAL expected)
    # Line ends and tabs made visible, so that a difference in them shows.
    foreach(text IN ITEMS expected actual)
      string(REPLACE "\r" "\\r" ${text} "${${text}}")
      string(REPLACE "\n" "\\n" ${text} "${${text}}")
      string(REPLACE "\t" "\\t" ${text} "${${text}}")
    endforeach()
    string(APPEND failures "${what} differs\n  expected: [${expected}]\n  actual:   [${actual}]\n")
    set(failures "${failures}" PARENT_SCOPE)
  endif()
endfunction()

if(NOT DEFINED OUTPUT_FILE)
  compare("standard output" "${expected_output}" "${actual_output}")
endif()
compare("exit status" "${EXPECTED_STATUS}" "${actual_status}")
compare("standard error" "${expected_error}" "${actual_error}")
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
