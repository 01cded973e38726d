# Download of the update program over https.
pkg_check_modules(LIBCURL REQUIRED IMPORTED_TARGET libcurl)

velmora_core_library(velmora_update ${CMAKE_CURRENT_LIST_DIR}/TelechargementMaj.cpp)
target_link_libraries(velmora_update PUBLIC velmora_settings PRIVATE PkgConfig::LIBCURL)
