velmora_gtest(velmora_import_tests
    ${CMAKE_CURRENT_LIST_DIR}/ImportTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConversionValeurTest.cpp
)
target_link_libraries(velmora_import_tests PRIVATE velmora_import)

velmora_gtest(velmora_import_locale_tests
    ${CMAKE_CURRENT_LIST_DIR}/ReglagesRegionauxQtTest.cpp
)
target_link_libraries(velmora_import_locale_tests PRIVATE velmora_import velmora_import_locale)
set_target_properties(velmora_import_locale_tests PROPERTIES AUTOMOC OFF)
