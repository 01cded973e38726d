# Settings file beside the executable.
velmora_core_library(velmora_settings
    ${CMAKE_CURRENT_LIST_DIR}/Parametres.cpp
)
