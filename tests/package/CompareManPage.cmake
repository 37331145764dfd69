# Writes the manual page of the usage text USAGE with cmake/ManPage.cmake and compares it with
# EXPECTED; on a difference the page is left in WORK for a diff.
execute_process(COMMAND ${CMAKE_COMMAND} -DUSAGE_FILE=${USAGE} -DNAME=vantrell-sample
        -DVERSION=9.8 -DDATE=2026-01-02 -DSEE_ALSO=vantrell,vantrell-report -DOUTPUT=${WORK}
        -P ${GENERATOR}
    RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "The manual page was not written: ${errors}")
endif()
file(READ ${WORK} page)
file(READ ${EXPECTED} expected)
if(NOT page STREQUAL expected)
    message(FATAL_ERROR "The manual page differs: diff ${EXPECTED} ${WORK}")
endif()
