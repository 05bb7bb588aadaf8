# Runs a Windows test program under wine64 and passes on its output and its
# exit status:
#   cmake -DFQ_WINE64=... -P RunUnderWine.cmake -- program.exe [arguments...]
# Wine starts helper processes (services, the desktop) that outlive the
# program and inherit its output. CTest waits until nobody holds the output
# pipe, so the program writes to a file, and the file is shown afterwards.
set(command)
set(collect FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(collect)
    list(APPEND command "${CMAKE_ARGV${i}}")
  elseif(CMAKE_ARGV${i} STREQUAL "--")
    set(collect TRUE)
  endif()
endforeach()
list(GET command 0 program)

set(log "${program}.log")
execute_process(COMMAND ${FQ_WINE64} ${command}
  INPUT_FILE /dev/null OUTPUT_FILE "${log}" ERROR_FILE "${log}" RESULT_VARIABLE result)
execute_process(COMMAND ${CMAKE_COMMAND} -E cat "${log}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${program} ended with ${result}")
endif()
