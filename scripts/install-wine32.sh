#!/usr/bin/env bash
# Opt-in: Debian's 32-bit Wine (wine32:i386), so that scripts/test-windows.sh runs the x86 tests
# too. It adds the i386 architecture to dpkg, and apt then upgrades the amd64 packages that must
# match their new i386 twins (libc6, systemd and some 80 others); on a 2-core machine that took
# about 2 minutes and 0.7 GB. Afterwards it checks that a 32-bit program can start at all: some
# virtual machines run no 32-bit code, and there wine32 is of no use.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
source scripts/wine-env.sh

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "Adding the i386 architecture to dpkg"
  "${as_root[@]}" dpkg --add-architecture i386
fi
# install-deps.sh updates the package lists itself when something is missing.
bash scripts/install-deps.sh "${WINE32_PACKAGES[@]}"

if wine32_can_run; then
  echo "32-bit Wine runs here: $(/usr/lib/wine/wine --version)"
else
  echo "32-bit Wine is installed but cannot run: $WINE32_PROBLEM" >&2
  exit 1
fi
