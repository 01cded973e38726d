# Reading and importing a full 65,536 x 52 workbook written by xlwt.
add_executable(velmora_bench_import ${CMAKE_CURRENT_LIST_DIR}/ImportBench.cpp)
set_target_properties(velmora_bench_import PROPERTIES AUTOMOC OFF)
velmora_target_defaults(velmora_bench_import)
target_link_libraries(velmora_bench_import PRIVATE velmora_import velmora_bench_workbook benchmark::benchmark)
target_compile_definitions(velmora_bench_import PRIVATE
    VELMORA_IMPORT_BENCH_CACHE="${CMAKE_BINARY_DIR}/bench-cache"
    VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
