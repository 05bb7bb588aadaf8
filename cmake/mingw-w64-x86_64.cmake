# Cross build for 64-bit Windows with Debian's MinGW-w64 toolchain, POSIX
# threads flavour (the win32 flavour has no std::mutex). Everything links
# statically, so no MinGW runtime DLL has to travel with the programs.
# Test programs run through wine64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(FQ_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${FQ_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${FQ_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${FQ_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${FQ_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)

# Debian's wine64 keeps its loader out of PATH.
find_program(FQ_WINE64 wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(FQ_WINE64 wine64)
if(FQ_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${FQ_WINE64})
endif()
