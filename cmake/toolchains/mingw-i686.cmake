# 32-bit Windows programs with Debian's MinGW-w64 cross compiler; tests run under the 32-bit Wine
# loader of Debian's wine32:i386 (scripts/install-wine32.sh).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUINTREL_MINGW_TRIPLE i686-w64-mingw32)
set(QUINTREL_WINE_LOADER /usr/lib/wine/wine)
# 32-bit Windows keeps the stack only 4-aligned, and it calls our window and hook procedures from
# its own code: functions that keep 16-aligned data on the stack must align it themselves.
set(CMAKE_CXX_FLAGS_INIT "-mstackrealign")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
