# Scrolling and repainting the final-table window over a 65,536-row result.
if(VELMORA_GUI)
    add_executable(velmora_bench_finalwindow ${CMAKE_CURRENT_LIST_DIR}/FenetreTableauFinalBench.cpp)
    velmora_target_defaults(velmora_bench_finalwindow)
    target_link_libraries(velmora_bench_finalwindow PRIVATE velmora_finalwindow benchmark::benchmark)
endif()
