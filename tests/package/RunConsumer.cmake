# cmake -P script: installs one or more builds, in the order of BUILD_DIRS,
# into one prefix, then builds and runs a consumer of each both ways
# (find_package and pkg-config).
#
# With a Qt 5 and a Qt 6 build it checks that they live side by side: each
# build is also installed alone into a prefix of its own, for its file list;
# installing a build into the shared prefix must leave every file already
# there untouched, and the only paths two builds share are the translations,
# which must be the same files.
cmake_minimum_required(VERSION 3.16)
include("${CMAKE_CURRENT_LIST_DIR}/../support/OtherQtBuild.cmake")

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
    endif()
    set(LAST_OUTPUT "${out}" PARENT_SCOPE)
endfunction()

# Every file below `prefix` as "<relative path> <sha256>", sorted.
function(snapshot prefix out)
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${prefix}" "${prefix}/*")
    list(SORT files)
    set(entries "")
    foreach(path IN LISTS files)
        if(IS_SYMLINK "${prefix}/${path}")
            file(READ_SYMLINK "${prefix}/${path}" hash)
        else()
            file(SHA256 "${prefix}/${path}" hash)
        endif()
        list(APPEND entries "${path} ${hash}")
    endforeach()
    set(${out} "${entries}" PARENT_SCOPE)
endfunction()

function(paths_of entries out)
    list(TRANSFORM entries REPLACE " [^ ]*$" "")
    set(${out} "${entries}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
set(installed "") # what the shared prefix holds so far
set(majors "")
foreach(build IN LISTS BUILD_DIRS)
    veltrix_require_other_build("${build}")
    file(STRINGS "${build}/CMakeCache.txt" major REGEX "^VELTRIX_QT_MAJOR:")
    string(REGEX REPLACE ".*=" "" major "${major}")
    list(APPEND majors ${major})
    set(package Veltrix)
    if(major EQUAL 6)
        set(package Veltrix6)
    endif()
    string(TOLOWER "${package}" pc)

    # The build alone, for its own file list.
    set(alone "${WORK_DIR}/alone-${major}")
    run("${CMAKE_COMMAND}" --install "${build}" --prefix "${alone}")
    snapshot("${alone}" own)
    paths_of("${own}" own_paths)
    foreach(path include/${package}/VeltrixGlobal.h include/${package}/CommonStyle.h
                 lib/cmake/${package}/${package}Config.cmake lib/cmake/${package}/${package}ConfigVersion.cmake
                 lib/cmake/${package}/${package}Targets.cmake lib/pkgconfig/${pc}.pc)
        if(NOT path IN_LIST own_paths)
            message(FATAL_ERROR "missing in the installed tree of ${build}: ${path}")
        endif()
    endforeach()
    if(NOT own_paths MATCHES "(^|;)lib/lib${package}\\.so\\.[0-9]+(;|$)")
        message(FATAL_ERROR "no versioned lib${package}.so in ${alone}/lib")
    endif()

    # The same into the shared prefix, beside what is there.
    paths_of("${installed}" before_paths)
    foreach(path IN LISTS own_paths)
        if(path IN_LIST before_paths AND NOT path MATCHES "^share/veltrix/translations/")
            message(FATAL_ERROR "${build} installs ${path}, which an earlier build installed too")
        endif()
    endforeach()
    run("${CMAKE_COMMAND}" --install "${build}" --prefix "${prefix}")
    snapshot("${prefix}" after)
    foreach(entry IN LISTS installed)
        if(NOT entry IN_LIST after)
            message(FATAL_ERROR "installing ${build} changed a file of an earlier build: ${entry}")
        endif()
    endforeach()
    paths_of("${after}" after_paths)
    set(expected ${before_paths} ${own_paths})
    list(REMOVE_DUPLICATES expected)
    list(SORT expected)
    if(NOT after_paths STREQUAL expected)
        message(FATAL_ERROR "the shared prefix holds other files than the builds installed:\n${after_paths}\n${expected}")
    endif()
    set(installed "${after}")

    # 1. find_package, without naming Qt in the consumer.
    set(consumer "${WORK_DIR}/consumer-${major}")
    run("${CMAKE_COMMAND}" -S "${CONSUMER_DIR}" -B "${consumer}" -G "${GENERATOR}"
        "-DCMAKE_PREFIX_PATH=${prefix}" -DCMAKE_BUILD_TYPE=Release "-DVELTRIX_PACKAGE=${package}")
    run("${CMAKE_COMMAND}" --build "${consumer}")
    list(APPEND consumers "${consumer}/veltrix-consumer")

    # 2. pkg-config, with the .pc file found relative to itself.
    find_program(PKG_CONFIG pkg-config REQUIRED)
    set(ENV{PKG_CONFIG_PATH} "${prefix}/lib/pkgconfig")
    run("${PKG_CONFIG}" --cflags --libs ${pc})
    string(STRIP "${LAST_OUTPUT}" flags)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    run("${CXX}" -std=c++17 "${CONSUMER_DIR}/main.cpp" -o "${WORK_DIR}/pc-consumer-${major}" ${flags})
    list(APPEND consumers "${WORK_DIR}/pc-consumer-${major}")
endforeach()

# Every consumer runs against the shared prefix, once all builds are in it.
set(ENV{LD_LIBRARY_PATH} "${prefix}/lib")
foreach(program IN LISTS consumers)
    run("${program}")
    if(NOT LAST_OUTPUT MATCHES "consumer ok")
        message(FATAL_ERROR "unexpected output of ${program}: ${LAST_OUTPUT}")
    endif()
endforeach()
list(LENGTH consumers count)
message(STATUS "${count} consumers of Qt ${majors} ran from one prefix")
