# One set of warnings for every target of the project. TW_WERROR turns them into errors (CI does).
option(TW_WERROR "Treat warnings as errors" OFF)

function(tw_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor
        -Woverloaded-virtual -Wsuggest-override -Wimplicit-fallthrough)
    if(TW_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()

# The colour model does integer and floating-point arithmetic on every line: narrowing must be explicit there.
function(tw_set_strict_conversions target)
    target_compile_options(${target} PRIVATE -Wconversion -Wsign-conversion)
endfunction()
