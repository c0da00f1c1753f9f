# Runs of the workbench host FINALE.EXE as tests: its output compared with
# what is expected (cmake/run_workbench.cmake does the run and the checks).
# add_workbench_run(NAME [PROGRAM exe] [RESULT code] [EXPECTED file] [CONTAINS text]
#                   [ERROR text] [ERRORS_EXPECTED file] [IMAGE file] [SAME_IMAGES file file]
#                   ARGS ...): FINALE.EXE run and checked.
function(add_workbench_run name)
    cmake_parse_arguments(ARG "" "PROGRAM;RESULT;EXPECTED;CONTAINS;ERROR;ERRORS_EXPECTED;IMAGE" "ARGS;SAME_IMAGES"
                          ${ARGN})
    if(NOT ARG_PROGRAM)
        set(ARG_PROGRAM $<TARGET_FILE:workbench_host>)
    endif()
    set(checks "")
    foreach(check RESULT EXPECTED CONTAINS ERROR ERRORS_EXPECTED IMAGE)
        if(DEFINED ARG_${check})
            list(APPEND checks "-D${check}=${ARG_${check}}")
        endif()
    endforeach()
    add_test(NAME ${name}
        COMMAND ${CMAKE_COMMAND} "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}" "-DPROGRAM=${ARG_PROGRAM}"
            "-DARGS=${ARG_ARGS}" "-DSAME_IMAGES=${ARG_SAME_IMAGES}" "-DSOURCE_DIR=${CMAKE_SOURCE_DIR}" "-DBINARY_DIR=${CMAKE_BINARY_DIR}" ${checks}
            -P ${CMAKE_SOURCE_DIR}/cmake/run_workbench.cmake)
    # Runs share the display with its focus and clipboard, and the files the
    # host makes from MusicXML scores: one at a time.
    set_tests_properties(${name} PROPERTIES TIMEOUT 100 RESOURCE_LOCK workbench_desktop)
endfunction()
