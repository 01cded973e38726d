# Compile options shared by every Velmora target.
function(velmora_target_defaults target)
    target_compile_options(${target} PRIVATE
        $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
            -Wcast-align -Wunused -Woverloaded-virtual -Wconversion
            -Wdouble-promotion -Wformat=2>
        $<$<COMPILE_LANGUAGE:C>:-Wall -Wextra>)
    if(VELMORA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(VELMORA_SANITIZE)
        target_compile_options(${target} PRIVATE
            -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# A GoogleTest program registered with CTest.
function(velmora_gtest name)
    add_executable(${name} ${ARGN})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    velmora_target_defaults(${name})
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE
        TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
        CORPUS_DIR="${PROJECT_SOURCE_DIR}/../shared/corpus"
        SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# A Qt-free core library of one subsystem; headers are included as "folder/File.h".
function(velmora_core_library name)
    add_library(${name} STATIC ${ARGN})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    velmora_target_defaults(${name})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()
