#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless: once as released,
# then once more built with AddressSanitizer and UndefinedBehaviorSanitizer (the end-to-end
# suite runs in the first pass only; it drives the same code through a real X server); then the
# Windows program, cross-built with MinGW-w64 and packed, through its own suite under Wine.
set -euo pipefail
cd "$(dirname "$0")"
# The end-to-end suite drives the real program in its own X server.
EXTRA_PACKAGES="xvfb xdotool xclip imagemagick openbox x11-utils desktop-file-utils shared-mime-info poppler-utils dbus at-spi2-core python3-pyatspi
                dpkg-dev file lintian appstream"
# One Release build, made as the Debian package is made, is both the one tested and the one packed.
RELEASE_AS_PACKAGED=1
source scripts/setup.sh
# The Debian package, packed from it and checked first: the end-to-end suite unpacks and plays it.
(unset CMAKE_ARGS EXTRA_PACKAGES; PACKAGE_BUILD_DIR=$BUILD_DIR ./package.sh)
(cd "$BUILD_DIR" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)") | tee "$BUILD_DIR/ctest.log"
scripts/check-skips.sh linux "$BUILD_DIR/ctest.log"

echo "== the same suite, sanitized =="
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELORAND_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$(nproc)"
(cd build-asan && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QT_QPA_PLATFORM=offscreen \
  ctest --output-on-failure -j "$(nproc)" -E '^e2e$' -LE slow) | tee build-asan/ctest.log
scripts/check-skips.sh linux build-asan/ctest.log

echo "== the Windows program, under Wine =="
# Builds it and its tests, and leaves the zip and the installer in dist/ for the suite to try.
scripts/package-windows.sh
(cd build-windows && ctest --output-on-failure -j "$(nproc)") | tee build-windows/ctest.log
scripts/check-skips.sh windows build-windows/ctest.log
