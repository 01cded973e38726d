# QtTest program of the options dialog and the title dialog, run headless.
if(NOT VELMORA_GUI)
    return()
endif()

add_executable(OptionsTest ${CMAKE_CURRENT_LIST_DIR}/OptionsTest.cpp)
velmora_target_defaults(OptionsTest)
set_target_properties(OptionsTest PROPERTIES AUTOMOC ON)
target_link_libraries(OptionsTest PRIVATE velmora_programme velmora_modes_creation Qt6::Test)
target_compile_definitions(OptionsTest PRIVATE
    VELMORA_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
add_test(NAME OptionsTest COMMAND OptionsTest)
set_tests_properties(OptionsTest PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
