# Shared part of the MinGW-w64 toolchains: include after setting QUINTREL_MINGW_TRIPLE,
# CMAKE_SYSTEM_PROCESSOR and QUINTREL_WINE_LOADER.
#
# Debian's MinGW-w64 GCC comes in two thread models; the -posix one has std::thread, std::mutex and
# the rest of <thread> in GCC 12, the -win32 one does not, so the -posix compilers are named here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)  # Windows 7 and later

set(CMAKE_C_COMPILER ${QUINTREL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUINTREL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUINTREL_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUINTREL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every .exe carries its C++ run time, libgcc and winpthread, so it runs with no DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Tests and discovery run the .exe files through Wine; WINEPREFIX and WINEDEBUG come from the
# environment (scripts/wine-env.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${QUINTREL_WINE_LOADER})
