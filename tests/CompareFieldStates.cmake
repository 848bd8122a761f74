# cmake -P script: runs this build's and the other Qt major's field_states
# over the corpus and fails on any line where they differ.
cmake_minimum_required(VERSION 3.16)
include("${CMAKE_CURRENT_LIST_DIR}/support/OtherQtBuild.cmake")
veltrix_require_other_build("${OTHER_BUILD}")

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(ENV{QT_QPA_PLATFORM} offscreen) # the states need no screen of either Qt
foreach(side this other)
    set(program "${PROGRAM}")
    if(side STREQUAL "other")
        set(program "${OTHER_PROGRAM}")
    endif()
    execute_process(COMMAND "${program}" "${CORPUS}" OUTPUT_FILE "${WORK_DIR}/${side}.txt"
        RESULT_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${program} failed (${rc}): ${err}")
    endif()
endforeach()

execute_process(COMMAND diff "${WORK_DIR}/other.txt" "${WORK_DIR}/this.txt"
    RESULT_VARIABLE rc OUTPUT_VARIABLE differences)
file(STRINGS "${WORK_DIR}/this.txt" lines)
list(LENGTH lines count)
if(NOT rc EQUAL 0)
    string(REGEX MATCHALL "(^|\n)> " added "${differences}")
    list(LENGTH added differing)
    string(SUBSTRING "${differences}" 0 4000 shown)
    message(FATAL_ERROR "${differing} of ${count} validations differ (< ${OTHER_PROGRAM}, > ${PROGRAM}):\n${shown}")
endif()
message(STATUS "${count} validations over the corpus, none differing")
