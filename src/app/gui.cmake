# The application shell's windows: skin, picture library, overlays, message
# boxes, about window, user guide, splash and start-up, and the `velmora`
# program itself.
if(NOT VELMORA_GUI)
    return()
endif()

pkg_check_modules(VELMORA_JPEG REQUIRED IMPORTED_TARGET libjpeg)

# Draws every picture of the skin and embeds the JPEG data in a source file.
add_executable(velmora_pictures ${CMAKE_CURRENT_LIST_DIR}/pictures/GenerateurImages.cpp)
velmora_target_defaults(velmora_pictures)
target_link_libraries(velmora_pictures PRIVATE Qt6::Gui PkgConfig::VELMORA_JPEG)
set_target_properties(velmora_pictures PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(VELMORA_IMAGES_CPP ${CMAKE_CURRENT_BINARY_DIR}/ImagesSkinDonnees.cpp)
add_custom_command(
    OUTPUT ${VELMORA_IMAGES_CPP}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/images
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:velmora_pictures> ${VELMORA_IMAGES_CPP} ${CMAKE_CURRENT_BINARY_DIR}/images
    DEPENDS velmora_pictures
    COMMENT "Drawing the pictures of the window skin"
    VERBATIM)

add_library(velmora_shell STATIC
    ${CMAKE_CURRENT_LIST_DIR}/BoiteMessage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BoutonImage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ControleImage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EtiquetteTexte.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Fenetres.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Habillage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Jpeg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListeDessinee.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormAide.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormGrisTransparent.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormImagesLib.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormMessageDialogInterne.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFormShowMessageInterne.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFrmApropos.cpp
    ${VELMORA_IMAGES_CPP}
)
velmora_target_defaults(velmora_shell)
target_include_directories(velmora_shell PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(velmora_shell PUBLIC Qt6::Widgets velmora_settings
    PRIVATE PkgConfig::VELMORA_JPEG)
target_sources(velmora_shell PRIVATE ${CMAKE_CURRENT_LIST_DIR}/TFrmSplash.cpp)
target_link_libraries(velmora_shell PUBLIC velmora_modes)

# Creation of the single instances, shared by the program and its tests.
add_library(velmora_programme STATIC ${CMAKE_CURRENT_LIST_DIR}/Programme.cpp)
velmora_target_defaults(velmora_programme)
target_link_libraries(velmora_programme PUBLIC velmora_shell velmora_mainwindow velmora_modes)

add_executable(velmora ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
velmora_target_defaults(velmora)
target_link_libraries(velmora PRIVATE velmora_programme)
# The program needs its mode database beside it.
add_dependencies(velmora velmora_modes_db)

# Review tool: pictures of the windows in both languages (scripts/screenshots.sh).
add_executable(velmora_screenshots ${CMAKE_CURRENT_LIST_DIR}/Captures.cpp)
velmora_target_defaults(velmora_screenshots)
target_link_libraries(velmora_screenshots PRIVATE velmora_programme)
add_dependencies(velmora_screenshots velmora_modes_db)
