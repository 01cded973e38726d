# The main window, its input grids and the worksheet chooser.
if(NOT VELMORA_GUI)
    return()
endif()

add_library(velmora_mainwindow STATIC
    ${CMAKE_CURRENT_LIST_DIR}/DescriptionMode.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GrilleSaisie.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModeleGrille.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormChoixFeuilleExcel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMainActions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMainComparer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMainEntetes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMainImport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMainModes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMainOptions.cpp
)
velmora_target_defaults(velmora_mainwindow)
target_include_directories(velmora_mainwindow PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velmora_mainwindow PUBLIC Qt6::Widgets velmora_shell velmora_compare
    velmora_import velmora_import_locale velmora_modes)
# The compare, options and update actions of this window construct the
# windows of other pieces; link those whenever they are part of the build.
target_link_libraries(velmora_mainwindow PUBLIC
    $<TARGET_NAME_IF_EXISTS:velmora_displayoption>
    $<TARGET_NAME_IF_EXISTS:velmora_finalwindow>
    $<TARGET_NAME_IF_EXISTS:velmora_optionswindow>
    $<TARGET_NAME_IF_EXISTS:velmora_updatewindow>)
