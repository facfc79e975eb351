# One interface target carries the language level, the warnings and the sanitizers for every target.
add_library(qingtan_common INTERFACE)
target_compile_features(qingtan_common INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
# A strict set per compiler: silent narrowing, shadowed names and casts that drop const are where byte-level text
# code goes wrong.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(qingtan_common INTERFACE -Wall -Wextra -pedantic -Wconversion -Wshadow -Wold-style-cast
                                                    -Wcast-qual)
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        # GCC's -Wconversion leaves signedness alone in C++; clang's does not. One set of warnings for both.
        target_compile_options(qingtan_common INTERFACE -Wno-sign-conversion)
    endif()
    if(QINGTAN_WARNINGS_AS_ERRORS)
        target_compile_options(qingtan_common INTERFACE -Werror)
    endif()
elseif(MSVC)
    target_compile_options(qingtan_common INTERFACE /W4 /permissive- /utf-8)
    if(QINGTAN_WARNINGS_AS_ERRORS)
        target_compile_options(qingtan_common INTERFACE /WX)
    endif()
endif()
if(WIN32)
    # windows.h must not define min and max macros over std::min and std::max.
    target_compile_definitions(qingtan_common INTERFACE NOMINMAX)
endif()
# Qt must never convert between 8-bit and UTF-16 text, or from bytes to text, behind our back; string building
# goes through QStringBuilder.
target_compile_definitions(qingtan_common INTERFACE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII
                                                    QT_NO_CAST_FROM_BYTEARRAY QT_USE_QSTRINGBUILDER)

if(QINGTAN_SANITIZE)
    target_compile_options(qingtan_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                    -fno-sanitize-recover=undefined)
    target_link_options(qingtan_common INTERFACE -fsanitize=address,undefined)
endif()

if(QINGTAN_FUZZ)
    target_compile_options(qingtan_common INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                                                    -fno-sanitize-recover=undefined)
    target_link_options(qingtan_common INTERFACE -fsanitize=address,undefined)
endif()

# qingtan_add_test(NAME name SOURCES files... LIBS libs...): one GoogleTest executable registered with CTest.
function(qingtan_add_test)
    cmake_parse_arguments(ARG "" "NAME" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE qingtan_common GTest::gtest GTest::gtest_main ${ARG_LIBS})
    gtest_discover_tests(${ARG_NAME} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
endfunction()
