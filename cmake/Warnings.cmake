# Warnings are errors for the project's own targets.
function(pixo_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /permissive- /utf-8)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Werror)
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            # GCC 12 reports overlapping copies inside libstdc++'s own string code at -O3 (GCC bug 105329).
            target_compile_options(${target} PRIVATE -Wno-restrict)
        endif()
    endif()
endfunction()
