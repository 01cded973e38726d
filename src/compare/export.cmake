# The export of the final table to Temp_Result.xls through the .xls writer.
velmora_core_library(velmora_export
    ${CMAKE_CURRENT_LIST_DIR}/FormaterDatePourClasseur.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CelluleServeur.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FeuilleServeur.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClasseurServeur.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ServeurClasseur.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExporterTableauFinal.cpp
)
target_link_libraries(velmora_export PUBLIC velmora_compare velmora_workbook_writer)
