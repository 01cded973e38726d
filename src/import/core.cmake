# Importing one worksheet of a workbook into a grid, free of Qt.
velmora_core_library(velmora_import
    ${CMAKE_CURRENT_LIST_DIR}/ConversionValeur.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LettresColonnes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ImporterFeuilleExcel.cpp
)
target_link_libraries(velmora_import PUBLIC velmora_workbook_reader velmora_compare)

# The user's regional settings from the system locale, the one Qt piece.
velmora_core_library(velmora_import_locale
    ${CMAKE_CURRENT_LIST_DIR}/ReglagesRegionauxQt.cpp
)
target_link_libraries(velmora_import_locale PUBLIC Qt6::Core)
