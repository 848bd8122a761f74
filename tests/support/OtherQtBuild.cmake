# Included by the cmake -P scripts that compare this build with the build for
# the other Qt major (VELTRIX_OTHER_QT_BUILD_DIR; the presets pair dev with
# dev-qt6, ci with ci-qt6 and asan with asan-qt6). Without that build the
# script ends here and the test counts as skipped, saying why; under CI
# (CI=true) both builds must be there, so it fails instead.
macro(veltrix_require_other_build dir)
    if(NOT EXISTS "${dir}/CMakeCache.txt")
        if("$ENV{CI}" STREQUAL "true")
            message(FATAL_ERROR "no build for the other Qt major at \"${dir}\"")
        endif()
        message("Skipped: no build for the other Qt major at \"${dir}\"; build it to compare the two")
        return()
    endif()
endmacro()
