# The wine prefix of the Windows tests, run as a CTest fixture:
#   cmake -DFQ_WINE_ACTION=start|stop -DFQ_WINE64=... -DFQ_WINESERVER=...
#         -DFQ_WINEPREFIX=... -P WinePrefix.cmake
# start: starts a persistent wineserver for the prefix and, the first time,
# creates the prefix and selects the null graphics driver. stop: ends the
# server and every wine process of the prefix.
# Wine's own processes outlive the commands that start them, so their output
# goes to a file, never to a pipe someone waits on.
set(ENV{WINEPREFIX} ${FQ_WINEPREFIX})
set(ENV{WINESERVER} ${FQ_WINESERVER})
set(ENV{WINEDEBUG} -all)
set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml=")
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})

if(FQ_WINE_ACTION STREQUAL "stop")
  # Exit status 1 only says that no server was running.
  execute_process(COMMAND ${FQ_WINESERVER} -k INPUT_FILE /dev/null OUTPUT_QUIET ERROR_QUIET)
  return()
endif()

set(log ${FQ_WINEPREFIX}.log)

function(start_server)
  set(server_log ${FQ_WINEPREFIX}-server.log)
  execute_process(COMMAND ${FQ_WINESERVER} -p
    INPUT_FILE /dev/null OUTPUT_FILE ${server_log} ERROR_FILE ${server_log} RESULT_VARIABLE result)
  # Exit status 2: a server for this prefix is running already, which is as good.
  if(NOT result EQUAL 0 AND NOT result EQUAL 2)
    message(FATAL_ERROR "wineserver -p failed (${result}); see ${server_log}")
  endif()
endfunction()

file(MAKE_DIRECTORY ${FQ_WINEPREFIX})
start_server()

set(ready ${FQ_WINEPREFIX}/.fennquill-ready)
if(EXISTS ${ready})
  return()
endif()
message(STATUS "Creating the wine prefix ${FQ_WINEPREFIX}")
execute_process(COMMAND ${FQ_WINE64} wineboot --init
  INPUT_FILE /dev/null OUTPUT_FILE ${log} ERROR_FILE ${log} TIMEOUT 240 RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "wineboot --init failed (${result}); see ${log}")
endif()
execute_process(COMMAND ${FQ_WINE64} reg add "HKCU\\Software\\Wine\\Drivers" /v Graphics /d null /f
  INPUT_FILE /dev/null OUTPUT_FILE ${log} ERROR_FILE ${log} TIMEOUT 60 RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cannot select the null graphics driver (${result}); see ${log}")
endif()
# The desktop that wineboot started still has no driver: start afresh.
execute_process(COMMAND ${FQ_WINESERVER} -k INPUT_FILE /dev/null OUTPUT_QUIET ERROR_QUIET)
execute_process(COMMAND ${FQ_WINESERVER} -w INPUT_FILE /dev/null OUTPUT_QUIET ERROR_QUIET TIMEOUT 60)
start_server()
file(TOUCH ${ready})
