# The display-option dialog asked before every comparison.
if(NOT VELMORA_GUI)
    return()
endif()

add_library(velmora_displayoption STATIC ${CMAKE_CURRENT_LIST_DIR}/TFormOptionAffichage.cpp)
velmora_target_defaults(velmora_displayoption)
target_include_directories(velmora_displayoption PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velmora_displayoption PUBLIC Qt6::Widgets velmora_shell velmora_mainwindow)
