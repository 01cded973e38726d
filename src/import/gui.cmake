# The main window and the model of its input grids.
if(NOT VELMORA_GUI)
    return()
endif()

add_library(velmora_mainwindow STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ModeleGrille.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMainActions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMainComparer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMainOptions.cpp
)
velmora_target_defaults(velmora_mainwindow)
target_include_directories(velmora_mainwindow PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velmora_mainwindow PUBLIC Qt6::Widgets velmora_shell velmora_compare)
