# The workbook the benchmarks share: velmora::bench::GrandClasseurDeBanc(dir)
# in ClasseurDeBanc.h writes a 65,536 × 52 .xls once into dir and reuses it.
add_library(velmora_bench_workbook STATIC ${CMAKE_CURRENT_LIST_DIR}/ClasseurDeBanc.cpp)
set_target_properties(velmora_bench_workbook PROPERTIES AUTOMOC OFF)
velmora_target_defaults(velmora_bench_workbook)
target_include_directories(velmora_bench_workbook PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(velmora_bench_workbook PUBLIC velmora_export)
target_compile_definitions(velmora_bench_workbook PUBLIC
    VELMORA_BENCH_CACHE_DIR="${CMAKE_BINARY_DIR}/bench-cache")

add_executable(velmora_bench_export ${CMAKE_CURRENT_LIST_DIR}/ExportBench.cpp)
set_target_properties(velmora_bench_export PROPERTIES AUTOMOC OFF)
velmora_target_defaults(velmora_bench_export)
target_link_libraries(velmora_bench_export PRIVATE velmora_bench_workbook benchmark::benchmark)
