# Test helpers for the module folders under tests/.
#
#   vandro_add_test(<name> SOURCES <files...> LIBS <libs...> [PLATFORM <platform>]
#                   [TIMEOUT <seconds>] [ENVIRONMENT <VAR=value...>] [FIXTURES <fixtures...>]
#                   [RESOURCE_GROUPS <groups...>] [LONG_SUITES <regex>])
#       A GoogleTest executable (gtest_main supplies main, gmock is linked too) whose cases ctest
#       finds when it runs them: each case is a ctest test named <name>.<Suite>.<Case>, run in the
#       test's build folder. With PLATFORM the executable runs on that platform and acts as its
#       user (vandro_user_<platform>); on a real platform (not headless) each suite is one ctest
#       test named <name>.<Suite> instead, as starting a program there costs more than most of
#       its cases. In the Windows tree ctest runs it, and asks it for its cases, through
#       CMAKE_CROSSCOMPILING_EMULATOR, that is under Wine. With VANDRO_WHOLE_PROGRAMS (the
#       Windows and sanitizer trees) a program without PLATFORM or on the headless platform is
#       one ctest test named <name>. Resource groups ("<type>:<slots>", the test's own and its
#       platform's) take a resource of a pool for the test alone. Suites whose names match
#       LONG_SUITES take far longer than the rest: ctest starts them first, so that they do not
#       run on alone at the end.
#
#   vandro_add_test_objects(<name> SOURCES <files...> [LIBS <libs...>])
#       Test sources that do not depend on the platform, compiled once for the test programs of
#       every platform to link: vandro_add_test(... SOURCES $<TARGET_OBJECTS:<name>> ...).
#
#   vandro_tree_fixtures(<fixtures...>)
#       Fixtures that every test of the tree made by vandro_add_test afterwards requires (the
#       Windows tree's wineservers, say).
#
#   vandro_test_resources(<type> <ids...>)
#       A pool of resources that ctest hands out to cases by their resource groups, one slot
#       each. ctest names the one a case got in CTEST_RESOURCE_GROUP_0_<TYPE> ("id:<id>,slots:1").
#       The pools are written to <build>/test-resources.json, the test presets' resource file.
#
#   vandro_add_fuzzer(fuzz_<name> SOURCES <files...> LIBS <libs...> [CORPUS <dir>] [SECONDS <n>])
#       A libFuzzer target, built only by clang with VANDRO_FUZZ=ON. Its ctest test fuzzes for
#       SECONDS (default VANDRO_FUZZ_SECONDS) starting from the seed inputs in CORPUS (relative to
#       the calling folder); inputs it finds go to a folder in the build tree, never into CORPUS.
#       The target `fuzzers` builds every fuzz target and nothing else.

option(VANDRO_UNIT_TESTS "Build the GoogleTest executables (off in the fuzz tree)" ON)
# Every target of the fuzz tree replays its seeds and fuzzes on for a short while in a test run;
# longer runs are made by hand (-DVANDRO_FUZZ_SECONDS=600, or the target itself).
set(VANDRO_FUZZ_SECONDS 3 CACHE STRING "How long each fuzz test runs")
set(VANDRO_TEST_TIMEOUT 300 CACHE STRING "Default ctest timeout of a unit test, in seconds")
set(vandro_whole_default OFF)
if(CMAKE_CROSSCOMPILING)
    set(vandro_whole_default ON)
endif()
option(VANDRO_WHOLE_PROGRAMS "Run the programs that are no real platform's user as one test each"
       ${vandro_whole_default})
# A tree can leave test programs to another: the native tree tests only what the sanitizer tree
# cannot, the real platform; the Windows tree leaves the headless platform's to the sanitizer tree
# too. Such programs are still targets there, built only when named.
option(VANDRO_PORTABLE_TESTS "Build and run the test programs that act on no platform" ON)
option(VANDRO_HEADLESS_TESTS "Build and run the test programs on the headless platform" ON)
set(VANDRO_GOOGLETEST_DIR /usr/src/googletest CACHE PATH
    "GoogleTest sources (Debian package googletest), which the Windows tree compiles")

if(VANDRO_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(WARNING "VANDRO_FUZZ needs clang; no fuzz targets are built with ${CMAKE_CXX_COMPILER_ID}")
endif()

if(BUILD_TESTING AND VANDRO_UNIT_TESTS AND NOT CMAKE_CROSSCOMPILING)
    # Debian's libgtest-dev holds GoogleTest built for this system: no Linux tree compiles it.
    find_package(GTest CONFIG)
    if(NOT GTest_FOUND)
        message(FATAL_ERROR "GoogleTest not found: install the Debian package libgtest-dev "
                            "(tools/test does)")
    endif()
elseif(BUILD_TESTING AND VANDRO_UNIT_TESTS)
    if(NOT EXISTS ${VANDRO_GOOGLETEST_DIR}/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest sources not found in ${VANDRO_GOOGLETEST_DIR}: "
                            "install the Debian package googletest (tools/test does)")
    endif()
    set(INSTALL_GTEST OFF)
    set(BUILD_GMOCK ON)

    # SYSTEM: warnings inside the GoogleTest headers are not reported against our tests.
    add_subdirectory(${VANDRO_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

if(BUILD_TESTING AND VANDRO_UNIT_TESTS)
    include(GoogleTest)

    # Test code is compiled without optimisation, three times faster than with it: the code it
    # tests keeps the tree's. GTK's flags bring -pthread, and a precompiled header is only used
    # where the flags match the ones it was made with: every test takes both.
    set(vandro_test_options -O0)
    if(NOT WIN32)
        list(APPEND vandro_test_options -pthread)
    endif()

    # The GoogleTest headers are the heaviest thing every test includes: compiled once, here,
    # and reused by every test executable.
    file(WRITE ${CMAKE_BINARY_DIR}/vandro_test_headers.cpp "")
    add_library(vandro_test_headers OBJECT ${CMAKE_BINARY_DIR}/vandro_test_headers.cpp)
    target_link_libraries(vandro_test_headers PRIVATE GTest::gmock GTest::gtest)
    target_precompile_headers(vandro_test_headers PRIVATE <gtest/gtest.h> <gmock/gmock.h>)
    target_compile_options(vandro_test_headers PRIVATE ${vandro_test_options})
endif()

# vandro_test_headers_for(<platform> <out-var>): the precompiled headers of the tests on that
# platform: GoogleTest's, and the platform's own when it names some.
function(vandro_test_headers_for platform out)
    get_property(own GLOBAL PROPERTY vandro_platform_headers_${platform})
    if(NOT own)
        set(${out} vandro_test_headers PARENT_SCOPE)
        return()
    endif()
    set(headers vandro_test_headers_${platform})
    if(NOT TARGET ${headers})
        add_library(${headers} OBJECT ${CMAKE_BINARY_DIR}/vandro_test_headers.cpp)
        target_link_libraries(${headers} PRIVATE GTest::gmock GTest::gtest
                                                 vandro_platform_${platform}_objects)
        target_precompile_headers(${headers} PRIVATE <gtest/gtest.h> <gmock/gmock.h> ${own})
        target_compile_options(${headers} PRIVATE ${vandro_test_options})
    endif()
    set(${out} ${headers} PARENT_SCOPE)
endfunction()

function(vandro_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TIMEOUT;PLATFORM;LONG_SUITES"
                          "SOURCES;LIBS;ENVIRONMENT;FIXTURES;RESOURCE_GROUPS")
    set(groups ${arg_RESOURCE_GROUPS})
    if(arg_UNPARSED_ARGUMENTS OR NOT arg_SOURCES)
        message(FATAL_ERROR "vandro_add_test(${name} SOURCES <files...> LIBS <libs...> "
                            "[PLATFORM <p>] [TIMEOUT <s>] [ENVIRONMENT ...] [FIXTURES ...] "
                            "[RESOURCE_GROUPS ...] [LONG_SUITES <regex>])")
    endif()
    if(NOT VANDRO_UNIT_TESTS)
        return()
    endif()
    if(NOT arg_TIMEOUT)
        set(arg_TIMEOUT ${VANDRO_TEST_TIMEOUT})
    endif()
    get_property(tree_fixtures GLOBAL PROPERTY vandro_tree_fixtures)
    list(APPEND arg_FIXTURES ${tree_fixtures})

    set(portable OFF)
    if(NOT arg_PLATFORM OR arg_PLATFORM STREQUAL "headless")
        set(portable ON)
    endif()
    set(left OFF)
    if((NOT arg_PLATFORM AND NOT VANDRO_PORTABLE_TESTS) OR
       (arg_PLATFORM STREQUAL "headless" AND NOT VANDRO_HEADLESS_TESTS))
        set(left ON)
    endif()
    if(left)
        add_executable(${name} EXCLUDE_FROM_ALL ${arg_SOURCES})
    else()
        add_executable(${name} ${arg_SOURCES})
    endif()
    if(arg_PLATFORM)
        target_link_libraries(${name} PRIVATE vandro_user_${arg_PLATFORM})
        get_property(fixtures GLOBAL PROPERTY vandro_test_fixtures_${arg_PLATFORM})
        get_property(environment GLOBAL PROPERTY vandro_test_environment_${arg_PLATFORM})
        get_property(platform_groups GLOBAL PROPERTY vandro_test_groups_${arg_PLATFORM})
        list(APPEND groups ${platform_groups})
        list(APPEND arg_FIXTURES ${fixtures})
        list(APPEND arg_ENVIRONMENT ${environment})
        vandro_test_headers_for(${arg_PLATFORM} headers)
    else()
        set(headers vandro_test_headers)
    endif()
    target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gmock GTest::gtest_main)
    target_precompile_headers(${name} REUSE_FROM ${headers})
    target_compile_options(${name} PRIVATE ${vandro_test_options})

    if(left)
        return()
    endif()
    # Under an emulator a process costs a quarter of a second to start, under the sanitizers a
    # tenth: a program that does not act as a real platform's user runs its cases in one
    # process there, and starts early. Elsewhere each case runs alone.
    if(VANDRO_WHOLE_PROGRAMS AND portable)
        add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
        set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT} COST 1000)
        if(arg_ENVIRONMENT)
            set_tests_properties(${name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
        endif()
        if(arg_FIXTURES)
            set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED "${arg_FIXTURES}")
        endif()
        if(groups)
            set_tests_properties(${name} PROPERTIES RESOURCE_GROUPS "${groups}")
        endif()
        return()
    endif()

    if(arg_PLATFORM AND NOT arg_PLATFORM STREQUAL "headless")
        vandro_discover_suites(${name} ${arg_TIMEOUT})
        set(long "^${name}\\.(${arg_LONG_SUITES})$")
    else()
        gtest_discover_tests(${name}
            TEST_PREFIX ${name}.
            WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
            DISCOVERY_MODE PRE_TEST
            DISCOVERY_TIMEOUT 120
            PROPERTIES TIMEOUT ${arg_TIMEOUT})
        set(long "^${name}\\.(${arg_LONG_SUITES})\\.")
    endif()

    # Properties whose values are lists do not survive the discovery's own property passing:
    # ctest sets them on the discovered cases from a script that runs after it.
    set(lists "")
    if(arg_ENVIRONMENT)
        string(APPEND lists " ENVIRONMENT [==[${arg_ENVIRONMENT}]==]")
    endif()
    if(arg_FIXTURES)
        string(APPEND lists " FIXTURES_REQUIRED [==[${arg_FIXTURES}]==]")
    endif()
    if(groups)
        string(APPEND lists " RESOURCE_GROUPS [==[${groups}]==]")
    endif()
    set(script_text "")
    if(lists)
        string(APPEND script_text "if(${name}_TESTS)\n"
                                  "  set_tests_properties(\${${name}_TESTS} PROPERTIES${lists})\n"
                                  "endif()\n")
    endif()
    if(arg_LONG_SUITES)
        string(APPEND script_text "foreach(test IN LISTS ${name}_TESTS)\n"
                                  "  if(test MATCHES [==[${long}]==])\n"
                                  "    set_tests_properties(\${test} PROPERTIES COST 1000)\n"
                                  "  endif()\n"
                                  "endforeach()\n")
    endif()
    if(script_text)
        set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}_properties.cmake)
        file(WRITE ${script} "${script_text}")
        set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${script})
    endif()
endfunction()

# vandro_discover_suites(<name> <timeout>): ctest asks the program <name> for its suites when it
# runs the tree's tests (again whenever the program is newer than its list) and makes one test of
# each, named <name>.<Suite>; the list <name>_TESTS names them for the scripts included after it.
function(vandro_discover_suites name timeout)
    set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_suites.cmake)
    set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_suites_include.cmake)
    set(program $<TARGET_FILE:${name}>)
    file(GENERATE OUTPUT ${include_file} CONTENT
"if(NOT EXISTS [==[${list_file}]==] OR [==[${program}]==] IS_NEWER_THAN [==[${list_file}]==])
  execute_process(COMMAND [==[${CMAKE_COMMAND}]==] -D [==[NAME=${name}]==] -D [==[PROGRAM=${program}]==]
                          -D [==[EMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}]==]
                          -D [==[DIRECTORY=${CMAKE_CURRENT_BINARY_DIR}]==] -D TIMEOUT=${timeout}
                          -D [==[OUTPUT=${list_file}]==] -P [==[${PROJECT_SOURCE_DIR}/cmake/VandroSuites.cmake]==]
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    add_test([==[${name}_NOT_LISTED]==] [==[${name}_NOT_LISTED]==])
    file(REMOVE [==[${list_file}]==])
  endif()
endif()
if(EXISTS [==[${list_file}]==])
  include([==[${list_file}]==])
endif()
")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()

function(vandro_add_test_objects name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBS")
    if(arg_UNPARSED_ARGUMENTS OR NOT arg_SOURCES)
        message(FATAL_ERROR "vandro_add_test_objects(<name> SOURCES <files...> [LIBS <libs...>])")
    endif()
    if(NOT VANDRO_UNIT_TESTS)
        return()
    endif()
    add_library(${name} OBJECT ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gmock GTest::gtest)
    target_precompile_headers(${name} REUSE_FROM vandro_test_headers)
    target_compile_options(${name} PRIVATE ${vandro_test_options})
endfunction()

function(vandro_tree_fixtures)
    set_property(GLOBAL APPEND PROPERTY vandro_tree_fixtures ${ARGN})
endfunction()

function(vandro_test_resources type)
    set_property(GLOBAL APPEND PROPERTY vandro_test_resource_types ${type})
    set_property(GLOBAL PROPERTY vandro_test_resources_${type} ${ARGN})
endfunction()

# Called once the whole tree is configured: the file exists in every tree, pools or not, as the
# test presets name it.
function(vandro_write_test_resources)
    get_property(types GLOBAL PROPERTY vandro_test_resource_types)
    set(pools "")
    foreach(type IN LISTS types)
        get_property(ids GLOBAL PROPERTY vandro_test_resources_${type})
        list(TRANSFORM ids REPLACE "(.+)" "{\"id\": \"\\1\", \"slots\": 1}")
        list(JOIN ids ", " entries)
        list(APPEND pools "\"${type}\": [${entries}]")
    endforeach()
    list(JOIN pools ", " pools)
    file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/test-resources.json
         CONTENT "{\"version\": {\"major\": 1, \"minor\": 0}, \"local\": [{${pools}}]}\n"
         @ONLY)
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
    if(NOT TARGET fuzzers)
        add_custom_target(fuzzers)
    endif()
    add_dependencies(fuzzers ${name})
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

    # An input that runs on is a finding; the largest ones the engines' limits let through take a
    # tenth of a second natively, many times that under the sanitizers, and a machine busy with
    # other builds stretches that again.
    add_test(NAME ${name}
        COMMAND ${name} -max_total_time=${arg_SECONDS} -timeout=30 -rss_limit_mb=2048
                -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/${name}- ${found} ${seeds}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    math(EXPR limit "${arg_SECONDS} + 120")
    # Undefined behaviour is a finding like any other, not a line of output to scroll past.
    set_tests_properties(${name} PROPERTIES TIMEOUT ${limit}
                         ENVIRONMENT "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1")
endfunction()
