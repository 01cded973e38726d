# The .xls writer: BIFF8 records in an OLE2 compound file written through libgsf.
if(NOT TARGET PkgConfig::GSF)
    pkg_check_modules(GSF REQUIRED IMPORTED_TARGET libgsf-1)
endif()

velmora_core_library(velmora_workbook_writer
    ${CMAKE_CURRENT_LIST_DIR}/Utf16Text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SharedStringsWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BiffWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Ole2Writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClasseurEcriture.cpp
)
target_link_libraries(velmora_workbook_writer PRIVATE PkgConfig::GSF)
