velmora_gtest(velmora_modes_tests
    ${CMAKE_CURRENT_LIST_DIR}/MagasinModesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OrdreTitresTest.cpp
)
target_link_libraries(velmora_modes_tests PRIVATE velmora_modes velmora_modes_creation)
target_compile_definitions(velmora_modes_tests PRIVATE
    VELMORA_MAKE_MODES_DB="$<TARGET_FILE:velmora_make_modes_db>")
add_dependencies(velmora_modes_tests velmora_make_modes_db)
