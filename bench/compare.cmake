add_executable(velmora_bench_compare ${CMAKE_CURRENT_LIST_DIR}/ComparaisonBench.cpp)
set_target_properties(velmora_bench_compare PROPERTIES AUTOMOC OFF)
velmora_target_defaults(velmora_bench_compare)
target_link_libraries(velmora_bench_compare PRIVATE velmora_cli benchmark::benchmark)
target_compile_definitions(velmora_bench_compare PRIVATE
    VELMORA_COMPARE_EXE="$<TARGET_FILE:velmora-compare>")
add_dependencies(velmora_bench_compare velmora-compare)
