# QtTest program of the main window's update button, against a loopback
# HTTPS server (serveur_tls.py), run headless.
if(NOT VELMORA_GUI)
    return()
endif()

add_executable(MiseAJourFenetreTest ${CMAKE_CURRENT_LIST_DIR}/MiseAJourFenetreTest.cpp)
velmora_target_defaults(MiseAJourFenetreTest)
set_target_properties(MiseAJourFenetreTest PROPERTIES AUTOMOC ON)
target_link_libraries(MiseAJourFenetreTest PRIVATE velmora_programme velmora_updatewindow
    velmora_modes_creation Qt6::Test)
target_compile_definitions(MiseAJourFenetreTest PRIVATE
    VELMORA_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}" SOURCE_DIR="${PROJECT_SOURCE_DIR}")
add_test(NAME MiseAJourFenetreTest COMMAND MiseAJourFenetreTest)
set_tests_properties(MiseAJourFenetreTest PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 180)
