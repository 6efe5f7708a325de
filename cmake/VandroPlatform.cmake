# Platforms as libraries. A program or a test picks the platform it runs on by linking it.
#
#   vandro_add_platform(<name> SOURCES <files...> [SYSTEM_SOURCES <files...>]
#                       [LIBS <libs...>] [PRECOMPILE <headers...>])
#       vandro_platform_<name>  the system driver and the gadget driver; defines NewSystemDriver
#                               and StartGuiDriver
#       vandro_system_<name>    with SYSTEM_SOURCES (named in events/<name>/): the system driver
#                               alone, for programs that use only the event layer; defines
#                               NewSystemDriver
#
#   vandro_add_platform_user(<name> SOURCES <files...> [LIBS <libs...>])
#       vandro_user_<name>      the platform and its TPlatformUser, for tests and benchmarks
#                               (tests/support/<name>/)
#   The core libraries call the entry points a platform defines, so a platform's objects are
#   linked whole into each program that links it, wherever the linker meets them.
#   PRECOMPILE names the platform's system headers that nearly every one of its files includes:
#   they are compiled once for the tests on the platform, and once per library when the tree
#   compiles file by file (a unity build reads them once per batch of files already).
#
#   vandro_platform_tests(<name> [FIXTURES <fixtures...>] [ENVIRONMENT <VAR=value...>]
#                         [RESOURCE_GROUPS <groups...>])
#       What every test on that platform needs from ctest: fixtures that set it up (a display,
#       say), its environment, and what each case takes from a pool for itself, as no two may
#       use it at once (a display of several, with its keyboard and pointer; see
#       vandro_test_resources).
#
#   vandro_platforms: the platforms this tree has, headless first.

set(vandro_platforms "" CACHE INTERNAL "The platforms this tree builds")

# vandro_link_objects(<target> <objects-library>): the objects themselves become sources of
# whatever links <target>, and the usage requirements follow.
function(vandro_link_objects target objects)
    target_sources(${target} INTERFACE $<TARGET_OBJECTS:${objects}>)
    target_link_libraries(${target} INTERFACE ${objects})
endfunction()

function(vandro_add_platform name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;SYSTEM_SOURCES;LIBS;PRECOMPILE")
    if(arg_UNPARSED_ARGUMENTS OR NOT arg_SOURCES)
        message(FATAL_ERROR "vandro_add_platform(<name> SOURCES <files...> [SYSTEM_SOURCES ...] "
                            "[LIBS ...] [PRECOMPILE <headers...>])")
    endif()
    set_property(GLOBAL PROPERTY vandro_platform_headers_${name} ${arg_PRECOMPILE})

    set(platform vandro_platform_${name})
    add_library(${platform}_objects OBJECT ${arg_SOURCES})
    set(object_libraries ${platform}_objects)
    target_link_libraries(${platform}_objects PUBLIC vandro_gui ${arg_LIBS})
    add_library(${platform} INTERFACE)
    vandro_link_objects(${platform} ${platform}_objects)

    if(arg_SYSTEM_SOURCES)
        list(TRANSFORM arg_SYSTEM_SOURCES PREPEND ${PROJECT_SOURCE_DIR}/events/${name}/)
        set(system vandro_system_${name})
        add_library(${system}_objects OBJECT ${arg_SYSTEM_SOURCES})
        list(APPEND object_libraries ${system}_objects)
        target_link_libraries(${system}_objects PUBLIC vandro_events ${arg_LIBS})
        add_library(${system} INTERFACE)
        vandro_link_objects(${system} ${system}_objects)
        target_link_libraries(${platform} INTERFACE ${system})
    endif()

    if(arg_PRECOMPILE AND NOT CMAKE_UNITY_BUILD)
        foreach(objects IN LISTS object_libraries)
            target_precompile_headers(${objects} PRIVATE ${arg_PRECOMPILE})
        endforeach()
    endif()

    set(vandro_platforms ${vandro_platforms} ${name} CACHE INTERNAL "The platforms this tree builds")
endfunction()

function(vandro_add_platform_user name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBS")
    if(arg_UNPARSED_ARGUMENTS OR NOT arg_SOURCES)
        message(FATAL_ERROR "vandro_add_platform_user(<name> SOURCES <files...> [LIBS ...])")
    endif()
    set(user vandro_user_${name})
    add_library(${user}_objects OBJECT ${arg_SOURCES})
    target_link_libraries(${user}_objects PUBLIC vandro_platform_${name}_objects ${arg_LIBS})
    get_property(headers GLOBAL PROPERTY vandro_platform_headers_${name})
    if(headers AND NOT CMAKE_UNITY_BUILD)
        target_precompile_headers(${user}_objects PRIVATE ${headers})
    endif()
    add_library(${user} INTERFACE)
    vandro_link_objects(${user} ${user}_objects)
    target_link_libraries(${user} INTERFACE vandro_platform_${name})
endfunction()

function(vandro_platform_tests name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "FIXTURES;ENVIRONMENT;RESOURCE_GROUPS")
    set_property(GLOBAL PROPERTY vandro_test_fixtures_${name} ${arg_FIXTURES})
    set_property(GLOBAL PROPERTY vandro_test_environment_${name} ${arg_ENVIRONMENT})
    set_property(GLOBAL PROPERTY vandro_test_groups_${name} ${arg_RESOURCE_GROUPS})
endfunction()
