# TW_SANITIZE builds everything with AddressSanitizer and UndefinedBehaviorSanitizer; CI runs the suite so.
option(TW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(TW_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# TW_BUILD_FUZZERS (clang only) builds the libFuzzer targets of tests/fuzz. Every target of the project is then
# compiled with the fuzzer's coverage, so that the fuzzer sees the branches of the readers it feeds, and with
# AddressSanitizer and UndefinedBehaviorSanitizer.
option(TW_BUILD_FUZZERS "Build the libFuzzer targets (clang only)" OFF)
if(TW_BUILD_FUZZERS)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "TW_BUILD_FUZZERS needs clang (configure with CC=clang CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
    if(NOT TW_SANITIZE)
        add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        add_link_options(-fsanitize=address,undefined)
    endif()
endif()
