# QtTest programs of the main window, run headless.
if(NOT VELMORA_GUI)
    return()
endif()

foreach(test_name ImportFenetreTest EntetesFenetreTest ModesFenetreTest)
    add_executable(${test_name} ${CMAKE_CURRENT_LIST_DIR}/${test_name}.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FenetreDeTest.h)
    velmora_target_defaults(${test_name})
    target_link_libraries(${test_name} PRIVATE velmora_mainwindow velmora_modes_creation
        velmora_workbook_writer Qt6::Test)
    target_compile_definitions(${test_name} PRIVATE
        VELMORA_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
    # The tests copy the Comp.qnr made by the build.
    add_dependencies(${test_name} velmora_modes_db)
    add_test(NAME ${test_name} COMMAND ${test_name})
    set_tests_properties(${test_name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 180)
endforeach()
