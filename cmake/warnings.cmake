# Warnings are errors on every target of ours.
function(qx_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Werror -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
    -Wformat=2 -Wimplicit-fallthrough)
endfunction()
