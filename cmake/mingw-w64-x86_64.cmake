# Cross-builds the Windows programs with Debian's mingw-w64 compiler (the posix
# threads variant, whose libstdc++ has std::thread and std::mutex).
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DTARSEL_WITH_QT=OFF
# The programs are linked statically, so that they run under wine, or on a Windows
# machine, without the compiler's DLLs beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TARSEL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TARSEL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARSEL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TARSEL_MINGW}-windres)

# Libraries and packages of the target only; programs of the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${TARSEL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# GCC 12 warns of overlapping copies inside std::string that cannot happen (its bug 105329).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# Test programs run under wine when it is there (a build on Windows runs them itself).
if(NOT CMAKE_CROSSCOMPILING_EMULATOR AND NOT CMAKE_HOST_WIN32)
  find_program(TARSEL_WINE wine)
  if(TARSEL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TARSEL_WINE})
  endif()
endif()
