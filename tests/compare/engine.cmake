velmora_gtest(velmora_compare_tests
    ${CMAKE_CURRENT_LIST_DIR}/TableTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComparerTableauxIdentiquesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComparerParReferencesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FiltresSortieTest.cpp
)
target_link_libraries(velmora_compare_tests PRIVATE velmora_compare)
