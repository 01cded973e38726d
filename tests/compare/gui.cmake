# QtTest programs of the final-table window and the compare action, run
# headless on a private program folder.
if(NOT VELMORA_GUI)
    return()
endif()

foreach(test_name TableauFinalFenetreTest ComparaisonBoutonTest)
    add_executable(${test_name} ${CMAKE_CURRENT_LIST_DIR}/${test_name}.cpp)
    velmora_target_defaults(${test_name})
    target_link_libraries(${test_name} PRIVATE velmora_programme velmora_finalwindow
        velmora_modes_creation velmora_workbook_writer Qt6::Test)
    target_include_directories(${test_name} PRIVATE
        ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/tests/app)
    target_compile_definitions(${test_name} PRIVATE
        VELMORA_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}"
        SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    add_dependencies(${test_name} velmora_modes_db)
    add_test(NAME ${test_name} COMMAND ${test_name})
    set_tests_properties(${test_name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 180)
endforeach()
