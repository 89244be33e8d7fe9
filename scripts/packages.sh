# Debian packages by purpose; sourced by the other scripts.
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libabsl-dev)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The Linux program: Qt 6 Widgets, the X11 libraries, a CJK face that looks like 微软雅黑.
PROGRAM_PACKAGES=(qt6-base-dev qt6-qpa-plugins libgl-dev libx11-dev libxtst-dev libxi-dev
  libxrandr-dev fonts-wqy-microhei)
# Running it without a desktop, and the end-to-end tests: a virtual X server and xdotool.
DISPLAY_PACKAGES=(xvfb xauth xdotool x11-utils imagemagick)
# The Windows program and its tests: MinGW-w64 (posix thread model) for x64 and x86, Wine to run
# the tests, GoogleTest's sources to build it for Windows, zip to pack the .exe.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 googletest zip)
# Opt-in, through scripts/install-wine32.sh: the 32-bit Wine for the x86 tests.
WINE32_PACKAGES=(wine32:i386)
