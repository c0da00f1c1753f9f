# Runs FINALE.EXE under the emulator and checks what it did:
#   -DEMULATOR= -DPROGRAM= -DARGS=a;b;...  -DSOURCE_DIR= -DBINARY_DIR=
#   -DRESULT=     the exit code expected (default 0)
#   -DEXPECTED=   a file that standard output must equal (with UPDATE_EXPECTED
#                 set in the environment, the output is written there instead,
#                 for a review of the difference), or
#   -DCONTAINS=   a text that standard output must hold
#   -DERROR=      a text that standard error must hold (else it must hold
#                 nothing but documents' warnings, "FILE:LINE: warning: ...")
#   -DERRORS_EXPECTED= a file that standard error must equal
#   -DIMAGE=      a file that must exist afterwards and be a BMP image
#   -DSAME_IMAGES=a;b  two images the run saves, which must be alike byte for byte
# Paths of the checkout and the build folder, as Windows shows them, are
# compared as <SOURCE> and <BUILD>, the temporary folders the workbench makes
# for a document's files as <MADE>, and line ends of standard error as line
# feeds.
if(NOT DEFINED RESULT)
    set(RESULT 0)
endif()
if(IMAGE)
    file(REMOVE "${IMAGE}")
endif()
foreach(image IN LISTS SAME_IMAGES)
    file(REMOVE "${image}")
endforeach()
execute_process(
    COMMAND ${EMULATOR} ${PROGRAM} ${ARGS}
    WORKING_DIRECTORY "${SOURCE_DIR}"
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE result
    TIMEOUT 80)

function(normalise variable)
    set(text "${${variable}}")
    foreach(pair "BUILD;${BINARY_DIR}" "SOURCE;${SOURCE_DIR}")
        list(GET pair 0 name)
        list(GET pair 1 path)
        string(REPLACE "/" "\\" windows "${path}")
        string(REPLACE "Z:${windows}" "<${name}>" text "${text}")
    endforeach()
    string(REGEX REPLACE "[A-Za-z]:\\\\[^\n]*\\\\dwl[0-9A-Fa-f]+\\.tmp" "<MADE>" text "${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()
normalise(output)
normalise(errors)
# Standard output keeps its line ends: FINALE.EXE writes bare line feeds.
string(REPLACE "\r" "" errors "${errors}")

set(problems "")
if(NOT "${result}" STREQUAL "${RESULT}")
    string(APPEND problems "exit code ${result}, expected ${RESULT}\n")
endif()
if(EXPECTED AND DEFINED ENV{UPDATE_EXPECTED})
    file(WRITE "${EXPECTED}" "${output}")
elseif(EXPECTED)
    file(READ "${EXPECTED}" expected)
    if(NOT output STREQUAL expected)
        string(APPEND problems "standard output differs from ${EXPECTED}\n")
    endif()
endif()
if(ERRORS_EXPECTED)
    file(READ "${ERRORS_EXPECTED}" expected)
    if(NOT errors STREQUAL expected)
        string(APPEND problems "standard error differs from ${ERRORS_EXPECTED}\n")
    endif()
endif()
if(CONTAINS)
    string(FIND "${output}" "${CONTAINS}" at)
    if(at EQUAL -1)
        string(APPEND problems "standard output lacks: ${CONTAINS}\n")
    endif()
endif()
if(ERROR)
    string(FIND "${errors}" "${ERROR}" at)
    if(at EQUAL -1)
        string(APPEND problems "standard error lacks: ${ERROR}\n")
    endif()
elseif(NOT ERRORS_EXPECTED)
    string(REGEX REPLACE "[^\n]*:[0-9]+: warning: [^\n]*\n" "" unwarned "${errors}")
    if(NOT unwarned STREQUAL "")
        string(APPEND problems "unexpected standard error\n")
    endif()
endif()
if(IMAGE)
    if(NOT EXISTS "${IMAGE}")
        string(APPEND problems "no image ${IMAGE}\n")
    else()
        file(READ "${IMAGE}" magic LIMIT 2 HEX)
        file(SIZE "${IMAGE}" size)
        if(NOT magic STREQUAL "424d" OR size LESS 1000)
            string(APPEND problems "${IMAGE} is not a BMP image (${magic}, ${size} bytes)\n")
        endif()
    endif()
endif()
if(SAME_IMAGES)
    list(GET SAME_IMAGES 0 first)
    list(GET SAME_IMAGES 1 second)
    if(NOT EXISTS "${first}" OR NOT EXISTS "${second}")
        string(APPEND problems "no images ${first} and ${second}\n")
    else()
        file(SHA256 "${first}" first_hash)
        file(SHA256 "${second}" second_hash)
        if(NOT first_hash STREQUAL second_hash)
            string(APPEND problems "${first} and ${second} differ\n")
        endif()
    endif()
endif()
if(problems)
    message(FATAL_ERROR "${problems}--- standard output:\n${output}--- standard error:\n${errors}")
endif()
