# Warnings for the project's own targets; third-party headers are included as
# system headers and stay quiet.
function(fq_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
endfunction()
