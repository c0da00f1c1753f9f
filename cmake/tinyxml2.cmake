# tinyxml2, compiled for the target from the Debian source package that
# scripts/bootstrap.sh unpacks into .deps/ (never part of the tracked tree).
file(GLOB TINYXML2_SOURCE_DIR LIST_DIRECTORIES true "${CMAKE_SOURCE_DIR}/.deps/tinyxml2/tinyxml2-*")
if(NOT EXISTS "${TINYXML2_SOURCE_DIR}/tinyxml2.cpp")
    message(FATAL_ERROR "tinyxml2 sources not found under .deps/tinyxml2; run scripts/bootstrap.sh")
endif()
add_library(tinyxml2 STATIC "${TINYXML2_SOURCE_DIR}/tinyxml2.cpp")
target_include_directories(tinyxml2 SYSTEM PUBLIC "${TINYXML2_SOURCE_DIR}")
