# The final-table window: the tinted grid, its labels and legend, the
# comparison it runs when shown and the export button.
if(NOT VELMORA_GUI)
    return()
endif()

add_library(velmora_finalwindow STATIC
    ${CMAKE_CURRENT_LIST_DIR}/DelegueCelluleTeintee.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EnTetesTableauFinal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModeleTableauFinal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormTableauFinal.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormTableauFinalActions.cpp
)
velmora_target_defaults(velmora_finalwindow)
target_include_directories(velmora_finalwindow PUBLIC ${PROJECT_SOURCE_DIR}/src)
# The main window's compare action (import/TFormMainComparer.cpp) opens the
# display-option dialog too; it needs that library wherever this one goes.
target_link_libraries(velmora_finalwindow PUBLIC Qt6::Widgets velmora_shell velmora_compare
    velmora_export velmora_import $<TARGET_NAME_IF_EXISTS:velmora_displayoption>)
