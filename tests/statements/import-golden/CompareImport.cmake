# Runs the import tool on FILE in CSV with the options in ARGS (a ;-list, may be empty) and
# compares standard output with EXPECTED.csv and standard error with EXPECTED.err. On a
# difference the actual output is left in WORK.csv / WORK.err for a diff.
execute_process(COMMAND ${IMPORT} ${FILE} --format csv ${ARGS}
    RESULT_VARIABLE status OUTPUT_VARIABLE rows ERROR_VARIABLE detected)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "vantrell-import ended with ${status}: ${detected}")
endif()
file(READ ${EXPECTED}.csv expected_rows)
file(READ ${EXPECTED}.err expected_detected)
if(NOT rows STREQUAL expected_rows)
    file(WRITE ${WORK}.csv "${rows}")
    message(SEND_ERROR "The rows differ: diff ${EXPECTED}.csv ${WORK}.csv")
endif()
if(NOT detected STREQUAL expected_detected)
    file(WRITE ${WORK}.err "${detected}")
    message(SEND_ERROR "What was detected differs: diff ${EXPECTED}.err ${WORK}.err")
endif()
