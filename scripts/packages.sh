# Debian packages by purpose; sourced by the other scripts.
# shellcheck disable=SC2034
BUILD_PACKAGES=(cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
