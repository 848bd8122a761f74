# cmake -P script: installs the build into a fresh prefix and runs the Qt-only
# probe against the installed plugins, with nothing but QT_PLUGIN_PATH set.
file(REMOVE_RECURSE "${WORK_DIR}")
set(prefix "${WORK_DIR}/prefix")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "install failed: ${err}")
endif()
foreach(plugin styles/libveltrixstyles.so designer/libveltrixwidgets.so)
    if(NOT EXISTS "${prefix}/${PLUGIN_DIR}/${plugin}")
        message(FATAL_ERROR "missing in the installed tree: ${PLUGIN_DIR}/${plugin}")
    endif()
endforeach()

# The plugins must bring in the installed library through their own RPATH.
set(ENV{QT_PLUGIN_PATH} "${prefix}/${PLUGIN_DIR}")
unset(ENV{LD_LIBRARY_PATH})
file(GLOB library "${prefix}/${LIB_DIR}/lib${LIB_NAME}.so.*.*.*")
get_filename_component(library "${library}" REALPATH)
# Each key as a user types it, in any case; the probe paints Qt's widgets in
# the look and must log nothing but what the offscreen platform says of any
# window.
foreach(key_and_class "VeltrixGradient=GradientStyle" "veltrixflat=FlatStyle" "VELTRIXCOMMON=CommonStyle")
    string(REPLACE "=" ";" key_and_class "${key_and_class}")
    list(GET key_and_class 0 key)
    list(GET key_and_class 1 class)
    execute_process(
        COMMAND "${PROBE}" -style ${key} "${FORM}" okButton.buttonType okButton.buttonOptions ipEdit.ipAdress slide.title
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    foreach(line "style ${class}" "painted yes" "property okButton.buttonType GRADIENT_BLUE"
                 "property okButton.buttonOptions BO_ICON_LEFT_ALIGNED" "property ipEdit.ipAdress 192.168.1.10"
                 "property slide.title Slide Title" "library ${library}")
        string(FIND "${out}" "${line}\n" at)
        if(NOT rc EQUAL 0 OR at EQUAL -1)
            message(FATAL_ERROR "expected \"${line}\" from the probe with -style ${key} (exit ${rc}):\n${out}\n${err}")
        endif()
    endforeach()
    string(REPLACE "This plugin does not support propagateSizeHints()\n" "" err "${err}")
    if(NOT err STREQUAL "")
        message(FATAL_ERROR "the probe with -style ${key} logged:\n${err}")
    endif()
    string(REGEX MATCHALL "library [^\n]*" loaded "${out}")
    list(REMOVE_DUPLICATES loaded)
    list(LENGTH loaded count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "more than one libVeltrix in the probe process:\n${out}")
    endif()
endforeach()
