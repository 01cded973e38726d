# The update button of the main window: download, then start of the update
# program.
if(NOT VELMORA_GUI)
    return()
endif()

add_library(velmora_updatewindow STATIC ${CMAKE_CURRENT_LIST_DIR}/MiseAJourFenetre.cpp)
velmora_target_defaults(velmora_updatewindow)
target_include_directories(velmora_updatewindow PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velmora_updatewindow PUBLIC Qt6::Widgets velmora_update velmora_shell
    velmora_optionswindow velmora_modes)
