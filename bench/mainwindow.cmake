# Importing a full 65,536 x 52 worksheet into the main window, and scrolling it.
if(VELMORA_GUI)
    add_executable(velmora_bench_mainwindow ${CMAKE_CURRENT_LIST_DIR}/FenetrePrincipaleBench.cpp)
    velmora_target_defaults(velmora_bench_mainwindow)
    target_link_libraries(velmora_bench_mainwindow PRIVATE velmora_mainwindow
        velmora_modes_creation benchmark::benchmark)
    target_compile_definitions(velmora_bench_mainwindow PRIVATE
        VELMORA_BENCH_CACHE="${CMAKE_BINARY_DIR}/bench-cache"
        VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
endif()
