# QtTest programs of the application shell's windows, run headless.
if(NOT VELMORA_GUI)
    return()
endif()

foreach(test_name HabillageTest BoitesMessageTest DemarrageTest)
    add_executable(${test_name} ${CMAKE_CURRENT_LIST_DIR}/${test_name}.cpp
        ${CMAKE_CURRENT_LIST_DIR}/OutilsFenetres.h)
    velmora_target_defaults(${test_name})
    target_link_libraries(${test_name} PRIVATE velmora_programme Qt6::Test)
    target_compile_definitions(${test_name} PRIVATE
        VELMORA_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}"
        VELMORA_PROGRAMME="$<TARGET_FILE:velmora>")
    # The tests copy the Comp.qnr made by the build, and the start-up test
    # runs the program itself.
    add_dependencies(${test_name} velmora_modes_db velmora)
    add_test(NAME ${test_name} COMMAND ${test_name})
    set_tests_properties(${test_name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endforeach()
