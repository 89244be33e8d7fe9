# Debian packages by purpose; sourced by the other scripts.
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev libabsl-dev)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The Linux program: Qt 6 Widgets, the X11 libraries, a CJK face that looks like 微软雅黑.
PROGRAM_PACKAGES=(qt6-base-dev qt6-qpa-plugins libgl-dev libx11-dev libxtst-dev libxi-dev
  libxrandr-dev fonts-wqy-microhei)
# Running it without a desktop, and the end-to-end tests: a virtual X server and xdotool.
DISPLAY_PACKAGES=(xvfb xauth xdotool x11-utils imagemagick)
