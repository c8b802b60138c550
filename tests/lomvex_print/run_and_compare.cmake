# Runs a program and checks its exit status, its standard output byte for byte
# against a file (none: that it is empty), and the start of its standard error.
#   -DCOMMAND=prog;args -DEXPECTED_STATUS=n -DWORK_DIR=dir
#   -DEXPECTED_OUTPUT=file-or-empty -DEXPECTED_ERROR_START=text-or-empty
set(out ${WORK_DIR}/stdout.bin)
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status OUTPUT_FILE ${out} ERROR_VARIABLE error)
file(READ ${out} output HEX)
if(EXPECTED_OUTPUT)
  file(READ ${EXPECTED_OUTPUT} expected HEX)
endif()
string(FIND "${error}" "${EXPECTED_ERROR_START}" error_at)
if(NOT status EQUAL EXPECTED_STATUS OR NOT output STREQUAL "${expected}" OR NOT error_at EQUAL 0)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}; standard output "
                      "(${out}) against '${EXPECTED_OUTPUT}'; standard error, expected to start "
                      "with '${EXPECTED_ERROR_START}':\n${error}")
endif()
