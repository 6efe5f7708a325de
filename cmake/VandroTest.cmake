# Test helpers for the module folders under tests/.
#
#   vandro_add_test(<name> SOURCES <files...> LIBS <libs...> [TIMEOUT <seconds>])
#       A GoogleTest executable (gtest_main supplies main, gmock is linked too), registered with
#       ctest as one test that runs in the test's build folder. In the Windows tree ctest runs it
#       through CMAKE_CROSSCOMPILING_EMULATOR, that is under Wine.
#
#   vandro_add_fuzzer(fuzz_<name> SOURCES <files...> LIBS <libs...> [CORPUS <dir>] [SECONDS <n>])
#       A libFuzzer target, built only by clang with VANDRO_FUZZ=ON. Its ctest test fuzzes for
#       SECONDS (default VANDRO_FUZZ_SECONDS) starting from the seed inputs in CORPUS (relative to
#       the calling folder); inputs it finds go to a folder in the build tree, never into CORPUS.

option(VANDRO_UNIT_TESTS "Build the GoogleTest executables (off in the fuzz tree)" ON)
set(VANDRO_FUZZ_SECONDS 20 CACHE STRING "How long each fuzz test runs")
set(VANDRO_TEST_TIMEOUT 300 CACHE STRING "Default ctest timeout of a unit test, in seconds")
set(VANDRO_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")

if(VANDRO_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(WARNING "VANDRO_FUZZ needs clang; no fuzz targets are built with ${CMAKE_CXX_COMPILER_ID}")
endif()

if(BUILD_TESTING AND VANDRO_UNIT_TESTS)
    if(NOT EXISTS ${VANDRO_GOOGLETEST_DIR}/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest sources not found in ${VANDRO_GOOGLETEST_DIR}: "
                            "install the Debian package googletest (tools/test does)")
    endif()
    set(INSTALL_GTEST OFF)
    set(BUILD_GMOCK ON)
    # SYSTEM: warnings inside the GoogleTest headers are not reported against our tests.
    add_subdirectory(${VANDRO_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

function(vandro_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TIMEOUT" "SOURCES;LIBS")
    if(arg_UNPARSED_ARGUMENTS OR NOT arg_SOURCES)
        message(FATAL_ERROR "vandro_add_test(${name} SOURCES <files...> LIBS <libs...> [TIMEOUT <s>])")
    endif()
    if(NOT VANDRO_UNIT_TESTS)
        return()
    endif()
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT ${VANDRO_TEST_TIMEOUT})
    endif()

    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gmock GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT})
endfunction()

function(vandro_add_fuzzer name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "CORPUS;SECONDS" "SOURCES;LIBS")
    if(arg_UNPARSED_ARGUMENTS OR NOT arg_SOURCES)
        message(FATAL_ERROR "vandro_add_fuzzer(${name} SOURCES <files...> LIBS <libs...> [CORPUS <dir>] [SECONDS <n>])")
    endif()
    if(NOT name MATCHES "^fuzz_")
        message(FATAL_ERROR "fuzz target '${name}': the name must start with fuzz_")
    endif()
    if(NOT (VANDRO_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang"))
        return()
    endif()
    if(NOT arg_SECONDS)
        set(arg_SECONDS ${VANDRO_FUZZ_SECONDS})
    endif()

    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)

    # libFuzzer writes new inputs into its first corpus folder, so that one lives in the build tree.
    set(found ${CMAKE_CURRENT_BINARY_DIR}/${name}.corpus)
    file(MAKE_DIRECTORY ${found})
    set(seeds "")
    if(arg_CORPUS)
        cmake_path(ABSOLUTE_PATH arg_CORPUS BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} OUTPUT_VARIABLE seeds)
        if(NOT IS_DIRECTORY ${seeds})
            message(FATAL_ERROR "fuzz target '${name}': corpus folder ${seeds} does not exist")
        endif()
    endif()

    add_test(NAME ${name}
        COMMAND ${name} -max_total_time=${arg_SECONDS} -timeout=10 -rss_limit_mb=2048
                -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/${name}- ${found} ${seeds}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    math(EXPR limit "${arg_SECONDS} + 120")
    set_tests_properties(${name} PROPERTIES TIMEOUT ${limit})
endfunction()
