# Mode store: the database engine layer over SQLCipher and the mode statements.
pkg_check_modules(SQLCIPHER REQUIRED IMPORTED_TARGET sqlcipher)

velmora_core_library(velmora_modes
    ${CMAKE_CURRENT_LIST_DIR}/ChaineConnexion.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConnexionBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MagasinModes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OrdreTitres.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RequeteBase.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TDataModule1.cpp
)
target_link_libraries(velmora_modes PUBLIC velmora_settings PRIVATE PkgConfig::SQLCIPHER)

# Making a new database: the build tool and the tests only, never the program.
velmora_core_library(velmora_modes_creation ${CMAKE_CURRENT_LIST_DIR}/CreationBaseModes.cpp)
target_link_libraries(velmora_modes_creation PUBLIC velmora_modes PRIVATE PkgConfig::SQLCIPHER)

# The program never creates its database: the build puts a first "Comp.qnr"
# beside the executables and leaves an existing one, with the user's modes,
# alone. Not declared as a byproduct, so that a clean keeps it too.
add_executable(velmora_make_modes_db ${CMAKE_CURRENT_LIST_DIR}/CreerBaseModes.cpp)
velmora_target_defaults(velmora_make_modes_db)
target_link_libraries(velmora_make_modes_db PRIVATE velmora_modes_creation)
add_custom_target(velmora_modes_db ALL
    COMMAND velmora_make_modes_db ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Comp.qnr --if-missing
    COMMENT "Mode database Comp.qnr"
    VERBATIM)
