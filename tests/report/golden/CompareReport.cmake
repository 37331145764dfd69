# Builds the account WORK.mdb from SQL, runs the report tool on it with METHOD in CSV, and compares
# standard output with EXPECTED.csv and standard error with EXPECTED.err. On a difference the
# actual output is left beside the account for a diff.
file(REMOVE ${WORK}.mdb)
execute_process(COMMAND ${MKTEMPLATE} ${WORK}.mdb ${SQL}
    RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "The fixture account could not be built: ${errors}")
endif()
execute_process(COMMAND ${REPORT} ${WORK}.mdb --method ${METHOD} --format csv
    RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE notices)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "vantrell-report ended with ${status}: ${notices}")
endif()
file(READ ${EXPECTED}.csv expected_report)
file(READ ${EXPECTED}.err expected_notices)
if(NOT report STREQUAL expected_report)
    file(WRITE ${WORK}.csv "${report}")
    message(SEND_ERROR "The report differs: diff ${EXPECTED}.csv ${WORK}.csv")
endif()
if(NOT notices STREQUAL expected_notices)
    file(WRITE ${WORK}.err "${notices}")
    message(SEND_ERROR "The notices differ: diff ${EXPECTED}.err ${WORK}.err")
endif()
