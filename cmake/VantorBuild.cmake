# Compiler settings shared by every target, and the helpers that register
# tests and fuzz targets the same way everywhere.

add_compile_options(-Wall -Wextra -Wshadow
                    $<$<COMPILE_LANGUAGE:CXX>:-Woverloaded-virtual>
                    $<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast>)
if(VANTOR_WERROR)
    add_compile_options(-Werror)
endif()

if(VANTOR_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(VANTOR_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "VANTOR_FUZZ needs clang (libFuzzer)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

# Libraries that the programs bind at run time by name are built into one
# folder, which every program's build run path names.
set(VANTOR_RUNTIME_LIBRARY_DIR ${CMAKE_BINARY_DIR}/lib)
list(APPEND CMAKE_BUILD_RPATH ${VANTOR_RUNTIME_LIBRARY_DIR})

# vantor_add_test(Name SOURCES a.cpp ... LIBS target ...)
# One GoogleTest executable; its cases are discovered when ctest runs.
function(vantor_add_test name)
    cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS} GTest::gmock GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                         PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# vantor_add_fuzz(Name SOURCES a.cpp ... LIBS target ...)
# A libFuzzer target; its seed corpus lives in fuzz/corpus/<Name>/.
function(vantor_add_fuzz name)
    cmake_parse_arguments(arg "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE ${arg_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz-bin)
    set_property(GLOBAL APPEND PROPERTY VANTOR_FUZZ_TARGETS ${name})
endfunction()

# The soname of a shared library given as the file a pkg-config module links
# (lib<name>.so → lib<name>.so.<major>), for libraries bound at run time.
function(vantor_soname out library)
    get_filename_component(real "${library}" REALPATH)
    get_filename_component(file "${real}" NAME)
    string(REGEX MATCH "^.+\\.so\\.[0-9]+" soname "${file}")
    if(NOT soname)
        message(FATAL_ERROR "no soname can be derived from ${real}")
    endif()
    set(${out} "${soname}" PARENT_SCOPE)
endfunction()

# vantor_vectorise_pixel_loops(file.cpp ...)
# The per-pixel loops of these files (keyed copies, blends, the copy to the
# display's image) run over every pixel a window redraws. GCC vectorises such
# loops at -O2 only with the cheap cost model; clang already does.
function(vantor_vectorise_pixel_loops)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        set_property(SOURCE ${ARGN} DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
                     APPEND PROPERTY COMPILE_OPTIONS -fvect-cost-model=cheap)
    endif()
endfunction()
