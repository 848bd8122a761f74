# cmake -P script: runs Doxygen twice over Doxyfile.in, for the HTML reference
# (OUT/html, plus XML for the checks) and for the Qt Help file
# (OUT/qch-html, OUT/veltrix.qch), then checks both with check-reference.py.
# Any Doxygen warning fails it: an undocumented public member is an error.
cmake_minimum_required(VERSION 3.16)

set(VELTRIX_SOURCE_DIR "${SOURCE_DIR}")
set(VELTRIX_VERSION "${VERSION}")
string(REPLACE "." "" VELTRIX_VERSION_TAG "${VERSION}")
set(DOCS_OUTPUT_DIR "${OUT}")
set(DOCS_QHELPGENERATOR "${QHELPGENERATOR}")
set(DOCS_DOT_DIR "${DOT_DIR}")
string(REPLACE "|" ";" picture_pages "${PICTURE_PAGES}")

# Doxygen copies the pictures next to the pages (and lists them in the Qt
# Help file).
file(GLOB pictures "${PICTURES}/*.png")
list(SORT pictures)
set(DOCS_PICTURES "")
foreach(picture IN LISTS pictures)
    string(APPEND DOCS_PICTURES " \\\n    \"${picture}\"")
endforeach()

function(run_doxygen kind)
    configure_file("${SOURCE_DIR}/docs/Doxyfile.in" "${OUT}/Doxyfile-${kind}" @ONLY)
    execute_process(COMMAND "${DOXYGEN}" "Doxyfile-${kind}" WORKING_DIRECTORY "${OUT}" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "Doxygen reported the problems above (${kind}); every public class and member "
                            "of include/ needs a reference comment")
    endif()
endfunction()

function(check_reference)
    execute_process(COMMAND "${PYTHON}" "${SOURCE_DIR}/docs/check-reference.py" ${ARGN} RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "the reference is incomplete: see the errors above")
    endif()
endfunction()

file(MAKE_DIRECTORY "${OUT}")
# Doxygen runs qhelpgenerator, a Qt program that wants a private runtime directory.
set(ENV{XDG_RUNTIME_DIR} "${RUNTIME_DIR}")

# The HTML reference.
file(REMOVE_RECURSE "${OUT}/html" "${OUT}/xml")
set(DOCS_HTML_OUTPUT html)
set(DOCS_QT_TAGS "${TAGS_DIR}/qt-tags-html.doxy")
set(DOCS_XML YES)
set(DOCS_TREEVIEW YES)
set(DOCS_SEARCH YES)
set(DOCS_QHP NO)
run_doxygen(html)
check_reference(--xml "${OUT}/xml" --html "${OUT}/html" --pictures ${picture_pages})

# The Qt Help file: the same pages, linking to Qt's own Qt Help files.
file(REMOVE_RECURSE "${OUT}/qch-html")
file(REMOVE "${OUT}/veltrix.qch")
set(DOCS_HTML_OUTPUT qch-html)
set(DOCS_QT_TAGS "${TAGS_DIR}/qt-tags-qch.doxy")
set(DOCS_XML NO)
set(DOCS_TREEVIEW NO)
set(DOCS_SEARCH NO)
set(DOCS_QHP YES)
run_doxygen(qch)
check_reference(--html "${OUT}/qch-html" --qch "${OUT}/veltrix.qch" --pictures ${picture_pages})
message(STATUS "API reference: ${OUT}/html/index.html and ${OUT}/veltrix.qch")
