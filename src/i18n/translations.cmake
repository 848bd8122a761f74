# The library's own texts (the header's defaults) in German and French,
# compiled with lrelease at build time and installed beside the library.
find_package(${VELTRIX_QT} ${VELTRIX_QT_MIN_VERSION} REQUIRED COMPONENTS LinguistTools)

set(VELTRIX_TS_FILES
    "${CMAKE_CURRENT_SOURCE_DIR}/i18n/translations/veltrix_de.ts"
    "${CMAKE_CURRENT_SOURCE_DIR}/i18n/translations/veltrix_fr.ts")
# One known place in the build tree, so the gallery and tests find the
# catalogues without installing them.
set(VELTRIX_TRANSLATIONS_BUILD_DIR "${PROJECT_BINARY_DIR}/translations"
    CACHE INTERNAL "Where the library's compiled translations are put in the build tree")
set_source_files_properties(${VELTRIX_TS_FILES} PROPERTIES OUTPUT_LOCATION "${VELTRIX_TRANSLATIONS_BUILD_DIR}")
# qt_add_translation appends to its output variable: start from an empty one.
set(VELTRIX_LIBRARY_QM "")
qt_add_translation(VELTRIX_LIBRARY_QM ${VELTRIX_TS_FILES})

add_custom_target(VeltrixTranslations ALL DEPENDS ${VELTRIX_LIBRARY_QM})
add_dependencies(Veltrix VeltrixTranslations)
install(FILES ${VELTRIX_LIBRARY_QM} DESTINATION "${VELTRIX_INSTALL_TRANSLATIONSDIR}")
