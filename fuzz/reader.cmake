# libFuzzer target for the .xls reader (clang only; see fuzz/run.sh).
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(WARNING "velmora_fuzz_reader needs clang++ (CMAKE_CXX_COMPILER=clang++)")
    return()
endif()
set(velmora_fuzz_flags -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
target_compile_options(velmora_workbook_reader PRIVATE ${velmora_fuzz_flags})

add_executable(velmora_fuzz_reader ${CMAKE_CURRENT_LIST_DIR}/ReaderFuzz.cpp)
velmora_target_defaults(velmora_fuzz_reader)
target_compile_options(velmora_fuzz_reader PRIVATE -fsanitize=fuzzer,address,undefined
    -fno-omit-frame-pointer)
target_link_options(velmora_fuzz_reader PRIVATE -fsanitize=fuzzer,address,undefined)
target_link_libraries(velmora_fuzz_reader PRIVATE velmora_workbook_reader)
