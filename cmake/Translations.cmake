# SPDX-License-Identifier: GPL-3.0-or-later
# Included from the top level: the generated files must be built in the directory of the target using them.
# Translations: compiled at build time and embedded as :/Gui/fieldshot_<code>.
set(FIELDSHOT_TS_FILES
    ${CMAKE_SOURCE_DIR}/Gui/translations/fieldshot_de.ts
    ${CMAKE_SOURCE_DIR}/Gui/translations/fieldshot_en.ts
    ${CMAKE_SOURCE_DIR}/Gui/translations/fieldshot_fr.ts
    ${CMAKE_SOURCE_DIR}/Gui/translations/fieldshot_es.ts)
set_source_files_properties(${FIELDSHOT_TS_FILES} PROPERTIES OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)
qt5_add_translation(FIELDSHOT_QM_FILES ${FIELDSHOT_TS_FILES})
set(qrc ${CMAKE_BINARY_DIR}/translations/translations.qrc)
file(WRITE ${qrc}.in "<RCC>\n  <qresource prefix=\"/Gui\">\n")
foreach(code de en fr es)
    file(APPEND ${qrc}.in "    <file alias=\"fieldshot_${code}\">fieldshot_${code}.qm</file>\n")
endforeach()
file(APPEND ${qrc}.in "  </qresource>\n</RCC>\n")
configure_file(${qrc}.in ${qrc} COPYONLY)
set_source_files_properties(${qrc} PROPERTIES SKIP_AUTORCC ON)
qt5_add_resources(FIELDSHOT_QM_RCC ${qrc})
target_sources(fieldshot_core PRIVATE ${FIELDSHOT_QM_RCC} ${FIELDSHOT_QM_FILES})
