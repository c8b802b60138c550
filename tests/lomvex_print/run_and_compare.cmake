# -DCOMMAND=prog;args -DEXPECTED_STATUS=n -DWORK_DIR=dir -DEXPECTED_OUTPUT=file-or-empty
# -DEXPECTED_ERROR_START=text: checks the exit status, the standard output byte for byte against
# the file (none: that it is empty) and the start of the standard error.
set(out ${WORK_DIR}/stdout.bin)
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status OUTPUT_FILE ${out} ERROR_VARIABLE error)
file(READ ${out} output HEX)
if(EXPECTED_OUTPUT)
  file(READ ${EXPECTED_OUTPUT} expected HEX)
endif()
string(FIND "${error}" "${EXPECTED_ERROR_START}" error_at)
if(NOT status EQUAL EXPECTED_STATUS OR NOT output STREQUAL "${expected}" OR NOT error_at EQUAL 0)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}; ${out} against "
    "'${EXPECTED_OUTPUT}'; standard error, expected to start '${EXPECTED_ERROR_START}':\n${error}")
endif()
