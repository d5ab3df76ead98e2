#!/usr/bin/env bash
# Sourced: installs what the Windows build needs (only what is missing), finds or makes Qt for
# Windows (scripts/windows-qt.sh), then configures and builds the Windows program and its tests
# in build-windows with MinGW-w64. WINDOWS_BUILD_DIR and WINDOWS_TARGETS may be set first.
set -euo pipefail
windows_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
                  ninja-build cmake qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
                  libgtest-dev librsvg2-bin icoutils wine wine64 fonts-wine fonts-dejavu-core fonts-liberation
                  msitools wixl zip unzip xz-utils)
missing=()
for p in "${windows_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
source "$(dirname "${BASH_SOURCE[0]}")/windows-qt.sh"
WINDOWS_BUILD_DIR=${WINDOWS_BUILD_DIR:-build-windows}
cmake -S . -B "$WINDOWS_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$QT_WINDOWS/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_HOST_PATH=/usr >/dev/null
cmake --build "$WINDOWS_BUILD_DIR" -j "$(nproc)" ${WINDOWS_TARGETS:+--target $WINDOWS_TARGETS}
