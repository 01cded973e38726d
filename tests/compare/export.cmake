velmora_gtest(velmora_export_test
    ${CMAKE_CURRENT_LIST_DIR}/FormaterDatePourClasseurTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExporterTableauFinalTest.cpp)
target_link_libraries(velmora_export_test PRIVATE velmora_export)
target_include_directories(velmora_export_test PRIVATE ${PROJECT_SOURCE_DIR}/tests)
