# Reading .xls workbooks: OLE2 compound files through libgsf, BIFF5/7/8
# records by our own parser, and the automation-server layer over them.
if(NOT TARGET PkgConfig::GSF)
    pkg_check_modules(GSF REQUIRED IMPORTED_TARGET libgsf-1)
endif()

velmora_core_library(velmora_workbook_reader
    ${CMAKE_CURRENT_LIST_DIR}/Valeur.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NumberFormats.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SheetData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextDecoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BiffReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Ole2Reader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorkbookReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Feuille.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Classeur.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExcelApplication.cpp
)
target_link_libraries(velmora_workbook_reader PRIVATE PkgConfig::GSF)
