# Checks that no function of a source tree runs over LIMIT lines (80 unless told), counted as
# universal-ctags counts a function: from its first line to its last, lambdas inside included.
#   cmake -DCTAGS=<universal-ctags> -DROOT=<dir> [-DLIMIT=<lines>] [-DEXPECT=<count>]
#         -P CheckFunctionSize.cmake
# Prints each function over the limit as "file:line name (N lines)". Fails when the count differs
# from EXPECT (default 0), so that a planted file can prove the check still counts.
cmake_minimum_required(VERSION 3.25)
if(NOT DEFINED LIMIT)
    set(LIMIT 80)
endif()
if(NOT DEFINED EXPECT)
    set(EXPECT 0)
endif()

if(NOT CTAGS OR NOT EXISTS "${CTAGS}")
    message(FATAL_ERROR "universal-ctags is not installed: run scripts/install-deps")
endif()
execute_process(COMMAND ${CTAGS} --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "Universal Ctags")
    message(FATAL_ERROR "${CTAGS} is not universal-ctags: run scripts/install-deps")
endif()

get_filename_component(ROOT ${ROOT} ABSOLUTE)
# One function a line: its first line, its last, its name and its file.
execute_process(
    COMMAND ${CTAGS} -R --languages=C++ --kinds-C++=f --fields=+ne -x
            "--_xformat=%n\t%{end}\t%N\t%F" .
    WORKING_DIRECTORY ${ROOT}
    OUTPUT_VARIABLE tags ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "universal-ctags failed on ${ROOT}: ${errors}")
endif()

string(REPLACE ";" "," tags "${tags}")
string(REPLACE "\n" ";" tags "${tags}")
set(functions 0)
set(violations 0)
foreach(tag ${tags})
    if(NOT tag MATCHES "^([0-9]+)\t([0-9]*)\t([^\t]*)\t(.*)$")
        continue()
    endif()
    set(first ${CMAKE_MATCH_1})
    set(last ${CMAKE_MATCH_2})
    set(name ${CMAKE_MATCH_3})
    string(REGEX REPLACE "^\\./" "" file "${CMAKE_MATCH_4}")
    math(EXPR functions "${functions} + 1")
    if(last STREQUAL "")
        message("${file}:${first} ${name}: universal-ctags found no end")
        math(EXPR violations "${violations} + 1")
        continue()
    endif()
    math(EXPR length "${last} - ${first} + 1")
    if(length GREATER LIMIT)
        message("${file}:${first} ${name} (${length} lines)")
        math(EXPR violations "${violations} + 1")
    endif()
endforeach()

if(functions EQUAL 0)
    message(FATAL_ERROR "universal-ctags found no function under ${ROOT}")
endif()
if(NOT violations EQUAL EXPECT)
    message(FATAL_ERROR "${violations} function(s) over ${LIMIT} lines; expected ${EXPECT}")
endif()
message("function sizes: ${functions} functions, ${violations} over ${LIMIT} lines, as expected")
