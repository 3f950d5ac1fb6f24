# Warnings for our own targets; the build must stay free of them.
function(vorrith_warnings target)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Wpedantic -Wshadow>)
endfunction()
