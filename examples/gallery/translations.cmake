# The gallery's texts in German and French, plus the library's own
# catalogues, compiled with lrelease and embedded under :/translations, where
# the gallery's language menu finds them.
find_package(${VELTRIX_QT} ${VELTRIX_QT_MIN_VERSION} REQUIRED COMPONENTS LinguistTools)

file(GLOB GALLERY_TS CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/translations/gallery_*.ts")
file(GLOB GALLERY_LIBRARY_TS CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/i18n/translations/veltrix_*.ts")
set(GALLERY_QM_DIR "${CMAKE_CURRENT_BINARY_DIR}/translations")
set_source_files_properties(${GALLERY_TS} ${GALLERY_LIBRARY_TS} PROPERTIES OUTPUT_LOCATION "${GALLERY_QM_DIR}")
qt_add_translation(GALLERY_QM ${GALLERY_TS} ${GALLERY_LIBRARY_TS})

set(GALLERY_QM_ENTRIES "")
foreach(qm IN LISTS GALLERY_QM)
    get_filename_component(qm_name "${qm}" NAME)
    string(APPEND GALLERY_QM_ENTRIES "        <file alias=\"${qm_name}\">translations/${qm_name}</file>\n")
endforeach()
file(CONFIGURE OUTPUT "${CMAKE_CURRENT_BINARY_DIR}/gallery_translations.qrc" CONTENT
"<!DOCTYPE RCC>
<RCC version=\"1.0\">
    <qresource prefix=\"/translations\">
${GALLERY_QM_ENTRIES}    </qresource>
</RCC>
" @ONLY)
# Explicit rcc (not AUTORCC): it takes the .qm files as dependencies, so they
# are compiled before they are embedded.
qt_add_resources(GALLERY_QM_RCC "${CMAKE_CURRENT_BINARY_DIR}/gallery_translations.qrc")
set_source_files_properties(${GALLERY_QM_RCC} PROPERTIES SKIP_AUTOGEN ON)
target_sources(veltrix-gallery-window PRIVATE ${GALLERY_QM_RCC})
