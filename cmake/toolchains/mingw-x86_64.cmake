# 64-bit Windows programs with Debian's MinGW-w64 cross compiler; tests run under wine64.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUINTREL_MINGW_TRIPLE x86_64-w64-mingw32)
set(QUINTREL_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
