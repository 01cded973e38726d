# The options dialog and the title dialog of a new mode.
if(NOT VELMORA_GUI)
    return()
endif()

add_library(velmora_optionswindow STATIC
    ${CMAKE_CURRENT_LIST_DIR}/MessagesInternes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormEnregistre.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormOptions.cpp
)
velmora_target_defaults(velmora_optionswindow)
target_include_directories(velmora_optionswindow PUBLIC ${PROJECT_SOURCE_DIR}/src)
# The dialog reloads the main window's lists; the two static libraries call
# each other, which CMake resolves by repeating them at the link.
target_link_libraries(velmora_optionswindow PUBLIC Qt6::Widgets velmora_shell velmora_modes
    velmora_mainwindow)
