# Run by ctest (cmake -P) when a test program that acts as a real platform's user is newer than
# its list of suites: asks the program for its cases and writes one ctest test per suite, named
# <name>.<Suite>, that runs the suite's cases in one process. Such a test passes when no case
# failed: ctest's skip pattern would also hide a failure beside a skipped case.
#
#   -D NAME=<test name> -D PROGRAM=<executable> -D EMULATOR=<runner or ""> -D DIRECTORY=<dir>
#   -D TIMEOUT=<seconds> -D OUTPUT=<file to write>

set(command ${PROGRAM} --gtest_list_tests)
if(EMULATOR)
    list(PREPEND command ${EMULATOR})
endif()
execute_process(COMMAND ${command}
    WORKING_DIRECTORY ${DIRECTORY}
    OUTPUT_VARIABLE listing
    RESULT_VARIABLE status
    TIMEOUT 120)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${status}):\n${listing}")
endif()

# A suite is a line that starts in the first column ("Suite.", or "Prefix/Suite/0.  # TypeParam").
string(REPLACE ";" "\\;" listing "${listing}")
string(REPLACE "\n" ";" lines "${listing}")
set(text "")
set(names "")
foreach(line IN LISTS lines)
    if(line MATCHES "^([^ #]+)\\.")
        set(suite ${CMAKE_MATCH_1})
        set(test ${NAME}.${suite})
        string(APPEND text
            "add_test([==[${test}]==] ${EMULATOR} [==[${PROGRAM}]==] [==[--gtest_filter=${suite}.*]==])\n"
            "set_tests_properties([==[${test}]==] PROPERTIES WORKING_DIRECTORY [==[${DIRECTORY}]==]"
            " TIMEOUT ${TIMEOUT})\n")
        list(APPEND names ${test})
    endif()
endforeach()
string(APPEND text "set(${NAME}_TESTS [==[${names}]==])\n")
file(WRITE ${OUTPUT} "${text}")
