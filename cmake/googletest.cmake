# GoogleTest, compiled for the target from the sources of Debian's libgtest-dev.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
include(GoogleTest)

# A GoogleTest executable named FINALE.EXE in a folder of its own, so that the
# framework's wrappers bind to the services it exports. DEF is the export list.
function(add_host_test name)
    cmake_parse_arguments(ARG "" "DEF" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    export_services(${name} ${ARG_DEF})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} test_support gtest_main)
    set_target_properties(${name} PROPERTIES
        OUTPUT_NAME FINALE SUFFIX ".EXE"
        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/${name})
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        PROPERTIES TIMEOUT 60)
endfunction()
