# Windows test programs run through wine64 in a private prefix inside the
# build tree, never the user's own. Creating a prefix takes seconds, so a
# CTest setup fixture makes it once and starts a persistent wineserver, and
# every program then starts quickly; a cleanup fixture ends the server.
# Nothing may wait for a display or a dialog: DISPLAY is removed, the prefix
# uses the null graphics driver, and Mono and Gecko are never offered.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  message(FATAL_ERROR "wine64 not found: install the Debian package wine64, or configure with -DBUILD_TESTING=OFF")
endif()
find_program(FQ_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(FQ_WINESERVER NAMES wineserver64 wineserver)
if(NOT FQ_WINESERVER)
  message(FATAL_ERROR "wineserver not found: install the Debian package wine64")
endif()

# Test programs start through RunUnderWine.cmake, which keeps wine's helper
# processes off CTest's output pipe.
set(FQ_WINE64 ${CMAKE_CROSSCOMPILING_EMULATOR})
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -DFQ_WINE64=${FQ_WINE64} -P ${CMAKE_CURRENT_LIST_DIR}/RunUnderWine.cmake --)

set(FQ_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(FQ_WINE_ENVIRONMENT
  WINEPREFIX=${FQ_WINEPREFIX}
  WINESERVER=${FQ_WINESERVER}
  WINEDEBUG=-all
  WINEDLLOVERRIDES=mscoree,mshtml=
)
set(FQ_WINE_ENVIRONMENT_MODIFICATION DISPLAY=unset: WAYLAND_DISPLAY=unset:)

set(fq_wine_prefix_command ${CMAKE_COMMAND}
  -DFQ_WINE64=${FQ_WINE64}
  -DFQ_WINESERVER=${FQ_WINESERVER}
  -DFQ_WINEPREFIX=${FQ_WINEPREFIX}
)
add_test(NAME wine_prefix_start COMMAND ${fq_wine_prefix_command} -DFQ_WINE_ACTION=start -P ${CMAKE_CURRENT_LIST_DIR}/WinePrefix.cmake)
add_test(NAME wine_prefix_stop COMMAND ${fq_wine_prefix_command} -DFQ_WINE_ACTION=stop -P ${CMAKE_CURRENT_LIST_DIR}/WinePrefix.cmake)
set_tests_properties(wine_prefix_start PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 300)
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine_prefix TIMEOUT 60)

# Runs the test (whose program CMake already starts through the emulator
# above) in the prefix, with the server the fixture started.
function(fq_run_under_wine test)
  set_tests_properties(${test} PROPERTIES
    FIXTURES_REQUIRED wine_prefix
    ENVIRONMENT "${FQ_WINE_ENVIRONMENT}"
    ENVIRONMENT_MODIFICATION "${FQ_WINE_ENVIRONMENT_MODIFICATION}")
endfunction()
