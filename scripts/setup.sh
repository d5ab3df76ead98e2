#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing), then configures and
# builds. Sourced by play.sh, test.sh and package.sh; BUILD_DIR, CMAKE_ARGS, BUILD_TARGETS and
# RELEASE_AS_PACKAGED (the package's flags and paths, scripts/package-flags.sh) may be set first.
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation libqt6svg6 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n ${EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake_args=(-DCMAKE_BUILD_TYPE=Release ${CMAKE_ARGS:-})
if [ -n "${RELEASE_AS_PACKAGED:-}" ]; then source "$(dirname "${BASH_SOURCE[0]}")/package-flags.sh"; fi
cmake -S . -B "$BUILD_DIR" "${cmake_args[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" ${BUILD_TARGETS:+--target $BUILD_TARGETS}
