# Runs quintaro-cli with ARGS ("|"-separated) and checks its exit status, its standard output against the file
# EXPECTED_OUTPUT (when given) and its standard error against the regular expression EXPECTED_ERROR (when given).
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND "${CLI}" ${args}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL EXPECTED_STATUS)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}\nstdout: ${out}\nstderr: ${err}")
endif()
if(EXPECTED_OUTPUT)
  file(READ "${EXPECTED_OUTPUT}" expected)
  if(NOT out STREQUAL expected)
    message(FATAL_ERROR "standard output differs\n--- got:\n${out}\n--- expected:\n${expected}")
  endif()
endif()
if(EXPECTED_ERROR AND NOT err MATCHES "${EXPECTED_ERROR}")
  message(FATAL_ERROR "standard error '${err}' does not match '${EXPECTED_ERROR}'")
endif()
