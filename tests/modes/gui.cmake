# QtTest program of the display-option dialog, run headless.
if(NOT VELMORA_GUI)
    return()
endif()

add_executable(OptionAffichageTest ${CMAKE_CURRENT_LIST_DIR}/OptionAffichageTest.cpp)
velmora_target_defaults(OptionAffichageTest)
target_link_libraries(OptionAffichageTest PRIVATE velmora_displayoption Qt6::Test)
target_compile_definitions(OptionAffichageTest PRIVATE
    VELMORA_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
add_test(NAME OptionAffichageTest COMMAND OptionAffichageTest)
set_tests_properties(OptionAffichageTest PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
