# The warnings every target of ours is built with. They become errors only
# when asked for (QX_WERROR, which CI and scripts/test.sh turn on), so that a
# packager's build with another compiler or other flags does not fail on a
# warning that compiler invents.
option(QX_WERROR "Treat compiler warnings as errors" OFF)

function(qx_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
    -Wformat=2 -Wimplicit-fallthrough)
  if(QX_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
