# Warnings are errors on every compiler the game is built with.
function(lorvan_set_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX /permissive-)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
                                                 -Wimplicit-fallthrough -Wshadow
                                                 -Wformat=2 -Wcast-qual)
    endif()
endfunction()
