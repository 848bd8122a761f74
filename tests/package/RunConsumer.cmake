# cmake -P script: install, then build and run a consumer both ways.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
    endif()
    set(LAST_OUTPUT "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}")

foreach(path include/Veltrix/VeltrixGlobal.h include/Veltrix/CommonStyle.h
             lib/cmake/Veltrix/VeltrixConfig.cmake lib/cmake/Veltrix/VeltrixConfigVersion.cmake
             lib/cmake/Veltrix/VeltrixTargets.cmake lib/pkgconfig/veltrix.pc)
    if(NOT EXISTS "${prefix}/${path}")
        message(FATAL_ERROR "missing in the installed tree: ${path}")
    endif()
endforeach()
file(GLOB sonames "${prefix}/lib/libVeltrix.so.*")
if(NOT sonames)
    message(FATAL_ERROR "no versioned libVeltrix.so in ${prefix}/lib")
endif()

# 1. find_package, without naming Qt in the consumer.
run("${CMAKE_COMMAND}" -S "${CONSUMER_DIR}" -B "${WORK_DIR}/build" -G "${GENERATOR}"
    "-DCMAKE_PREFIX_PATH=${prefix}" -DCMAKE_BUILD_TYPE=Release)
run("${CMAKE_COMMAND}" --build "${WORK_DIR}/build")
run("${WORK_DIR}/build/veltrix-consumer")
if(NOT LAST_OUTPUT MATCHES "consumer ok")
    message(FATAL_ERROR "unexpected consumer output: ${LAST_OUTPUT}")
endif()

# 2. pkg-config, with the .pc file found relative to itself.
find_program(PKG_CONFIG pkg-config REQUIRED)
set(ENV{PKG_CONFIG_PATH} "${prefix}/lib/pkgconfig")
run("${PKG_CONFIG}" --cflags --libs veltrix)
string(STRIP "${LAST_OUTPUT}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
run("${CXX}" -std=c++17 "${CONSUMER_DIR}/main.cpp" -o "${WORK_DIR}/pc-consumer" ${flags})
set(ENV{LD_LIBRARY_PATH} "${prefix}/lib")
run("${WORK_DIR}/pc-consumer")
if(NOT LAST_OUTPUT MATCHES "consumer ok")
    message(FATAL_ERROR "unexpected pkg-config consumer output: ${LAST_OUTPUT}")
endif()
