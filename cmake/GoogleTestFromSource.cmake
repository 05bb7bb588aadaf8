# GoogleTest and GoogleMock for the Windows tree, compiled with the cross
# compiler from Debian's sources (package googletest). Nothing is downloaded.
set(FQ_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build for the target")
if(NOT EXISTS ${FQ_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${FQ_GOOGLETEST_SOURCE}: install the Debian package googletest")
endif()

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
# SYSTEM: our warnings stay off GoogleTest's headers, as with the installed copy.
# Its targets carry the names find_package(GTest) gives: GTest::gtest, GTest::gmock.
add_subdirectory(${FQ_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

