velmora_gtest(velmora_workbook_reader_tests
    ${CMAKE_CURRENT_LIST_DIR}/ReaderTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CorpusTest.cpp
)
target_link_libraries(velmora_workbook_reader_tests PRIVATE velmora_workbook_reader Qt6::Core)
set_target_properties(velmora_workbook_reader_tests PROPERTIES AUTOMOC OFF)
