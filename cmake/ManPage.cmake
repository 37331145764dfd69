# Writes a tool's manual page from its own usage text, so that an option documented in --help is
# in the manual page without anyone editing it:
#   cmake -DTOOL=<program> | -DUSAGE_FILE=<text>  -DNAME=<tool> -DVERSION=<version>
#         [-DDATE=yyyy-MM-dd] [-DSEE_ALSO=<tool,tool>] -DOUTPUT=<page.1> -P ManPage.cmake
#
# The usage text is read as the tools write it:
#   usage: NAME ...            the synopsis, up to the first empty line; a line that starts with
#          NAME ...            NAME under the first starts another form
#   Text at the left margin.   a paragraph; the first sentence (to its first ':' or '.') becomes
#                              the page's one-line description
#     --option ARG  text       an option, its text after two spaces or more, continued on the
#                   more text  lines indented deeper than the option (a '-' may begin them)
#   Exit status: 0 ..., 1 ...  the exit codes, to the sentence's full stop
# Paragraphs before the first option are the DESCRIPTION; the options, and the paragraphs between
# and after them, are the OPTIONS, in their order.
cmake_minimum_required(VERSION 3.25)

if(DEFINED USAGE_FILE)
    file(READ ${USAGE_FILE} usage)
else()
    execute_process(COMMAND ${TOOL} --help RESULT_VARIABLE status OUTPUT_VARIABLE usage
        ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${TOOL} --help ended with ${status}: ${errors}")
    endif()
endif()
if(NOT DEFINED DATE)
    string(TIMESTAMP DATE "%Y-%m-%d" UTC) # SOURCE_DATE_EPOCH when set
endif()

# Font changes are marked with control characters while the text is still plain, so that the
# escaping of backslashes and hyphens below cannot touch them.
string(ASCII 1 B)
string(ASCII 2 I)
string(ASCII 3 R)

# `text` as roff: backslashes and hyphens escaped, the font marks made roff's, and a line that
# would read as a request (a leading '.' or ') guarded.
function(roff out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REPLACE "${B}" "\\fB" text "${text}")
    string(REPLACE "${I}" "\\fI" text "${text}")
    string(REPLACE "${R}" "\\fR" text "${text}")
    string(SUBSTRING "${text}" 0 1 first)
    if(first STREQUAL "." OR first STREQUAL "'")
        set(text "\\&${text}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# An option's name in bold, its argument in italics: "--day N".
function(option_term out term)
    string(REGEX REPLACE "(^|[ ,|])(-[-A-Za-z0-9]*)" "\\1${B}\\2${R}" term "${term}")
    string(REGEX REPLACE "(^| )([^ ${B}-][^ ]*)" "\\1${I}\\2${R}" term "${term}")
    roff(term "${term}")
    set(${out} "${term}" PARENT_SCOPE)
endfunction()

set(synopsis "")
set(description "")
set(options "")
set(exit_status "")
set(part synopsis)      # synopsis, description or options: where the next line goes
set(in_option FALSE)    # the line before was an option or its continuation
set(in_exit FALSE)      # the exit status sentence has not ended yet
set(option_indent 0)    # how far the current option is indented
set(new_paragraph FALSE)
set(first_paragraph "")
set(first_done FALSE)   # the first paragraph has ended

string(LENGTH "${NAME}" name_length)
string(APPEND usage "\n")
while(NOT usage STREQUAL "")
    string(FIND "${usage}" "\n" end)
    string(SUBSTRING "${usage}" 0 ${end} line)
    math(EXPR end "${end} + 1")
    string(SUBSTRING "${usage}" ${end} -1 usage)
    string(REGEX REPLACE "[ \t\r]+$" "" line "${line}")

    if(part STREQUAL "synopsis")
        if(line STREQUAL "")
            if(NOT synopsis STREQUAL "")
                set(part description)
            endif()
            continue()
        endif()
        string(REGEX REPLACE "^usage: " "       " line "${line}")
        string(SUBSTRING "${line}" 0 7 margin)
        string(SUBSTRING "${line}" 7 -1 line)
        if(NOT margin STREQUAL "       ")
            message(FATAL_ERROR "The usage text does not begin with 'usage: ${NAME}'")
        endif()
        # A form's first line names the tool in bold; its options are bold throughout.
        string(REGEX REPLACE "(^|[[ |])(-[-A-Za-z0-9]+)" "\\1${B}\\2${R}" line "${line}")
        if(line MATCHES "^${NAME}( |$)")
            string(SUBSTRING "${line}" ${name_length} -1 rest)
            set(line "${B}${NAME}${R}${rest}")
        endif()
        roff(line "${line}")
        string(APPEND synopsis "${line}\n")
        continue()
    endif()

    if(line STREQUAL "")
        set(in_option FALSE)
        set(in_exit FALSE)
        set(new_paragraph TRUE)
        continue()
    endif()
    if(in_exit OR line MATCHES "^Exit status:")
        string(REGEX REPLACE "^Exit status: *" "" line "${line}")
        string(APPEND exit_status "${line} ")
        set(in_exit TRUE)
        if(line MATCHES "\\.$")
            set(in_exit FALSE)
        endif()
        set(in_option FALSE)
        continue()
    endif()
    set(indent 0)
    if(line MATCHES "^( +)")
        string(LENGTH "${CMAKE_MATCH_1}" indent)
    endif()
    if(in_option AND indent GREATER option_indent)
        string(STRIP "${line}" line)
        roff(line "${line}")
        string(APPEND options "${line}\n")
        continue()
    endif()
    if(indent GREATER 0 AND line MATCHES "^ +-")
        set(part options)
        set(option_indent ${indent})
        string(STRIP "${line}" line)
        # The option, its other spellings and its argument; then its text, after two spaces or,
        # where the column is one space short, after an argument written in capitals.
        set(names "-[^ ]+(, -[^ ]+)*")
        if(line MATCHES "^(${names}( [^ -][^ ]*)?)(  +(.*))?$")
            set(term "${CMAKE_MATCH_1}")
            set(text "${CMAKE_MATCH_5}")
        elseif(line MATCHES "^(${names}( [A-Z][^ ]*)?) (.*)$")
            set(term "${CMAKE_MATCH_1}")
            set(text "${CMAKE_MATCH_4}")
        else()
            message(FATAL_ERROR "An option line that does not read: '${line}'")
        endif()
        option_term(term "${term}")
        roff(text "${text}")
        string(APPEND options ".TP\n${term}\n")
        if(NOT text STREQUAL "")
            string(APPEND options "${text}\n")
        endif()
        set(in_option TRUE)
        set(new_paragraph FALSE)
        continue()
    endif()

    # A paragraph's line.
    string(STRIP "${line}" plain)
    if(new_paragraph AND NOT description STREQUAL "")
        set(first_done TRUE)
    endif()
    if(NOT first_done)
        string(APPEND first_paragraph "${plain} ")
    endif()
    roff(line "${plain}")
    if((in_option OR new_paragraph) AND NOT "${${part}}" STREQUAL "")
        string(APPEND ${part} ".PP\n")
    endif()
    string(APPEND ${part} "${line}\n")
    set(in_option FALSE)
    set(new_paragraph FALSE)
endwhile()

if(synopsis STREQUAL "" OR first_paragraph STREQUAL "")
    message(FATAL_ERROR "The usage text of ${NAME} has no synopsis or no description")
endif()

# The one-line description: the first sentence, to its first ':' or '.', in lower case.
string(REGEX MATCH "^[^:.]*" summary "${first_paragraph}")
string(STRIP "${summary}" summary)
string(SUBSTRING "${summary}" 0 1 initial)
string(SUBSTRING "${summary}" 1 -1 summary)
string(TOLOWER "${initial}" initial)
roff(summary "${initial}${summary}")

# The exit codes, one a tagged paragraph: "0 report written, 1 usage error, ...".
string(STRIP "${exit_status}" exit_status)
string(REGEX REPLACE "\\.$" "" exit_status "${exit_status}")
if(NOT exit_status STREQUAL "")
    string(REGEX REPLACE "(^|, )([0-9]+) " "\n.TP\n${B}\\2${R}\n" exit_status "${exit_status}")
    roff(exit_status "${exit_status}")
    string(STRIP "${exit_status}" exit_status)
    set(exit_status ".SH EXIT STATUS\n${exit_status}\n")
endif()

string(TOUPPER "${NAME}" title)
roff(title "${title}")
roff(name "${NAME}")
set(page ".TH ${title} 1 \"${DATE}\" \"Vantrell ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\n${name} \\- ${summary}\n")
string(APPEND page ".SH SYNOPSIS\n.nf\n${synopsis}.fi\n")
string(APPEND page ".SH DESCRIPTION\n${description}")
if(NOT options STREQUAL "")
    string(APPEND page ".SH OPTIONS\n${options}")
endif()
string(APPEND page "${exit_status}")
if(DEFINED SEE_ALSO AND NOT SEE_ALSO STREQUAL "")
    string(REPLACE "," ";" others "${SEE_ALSO}")
    set(references "")
    foreach(other ${others})
        list(APPEND references "${B}${other}${R}(1)")
    endforeach()
    list(JOIN references ", " references)
    roff(references "${references}")
    string(APPEND page ".SH SEE ALSO\n${references}\n")
endif()
file(WRITE ${OUTPUT} "${page}")
