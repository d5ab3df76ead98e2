#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless: once as released,
# then once more built with AddressSanitizer and UndefinedBehaviorSanitizer (the end-to-end
# suite runs in the first pass only; it drives the same code through a real X server).
set -euo pipefail
cd "$(dirname "$0")"
# The end-to-end suite drives the real program in its own X server.
EXTRA_PACKAGES="xvfb xdotool xclip imagemagick openbox x11-utils desktop-file-utils shared-mime-info poppler-utils dbus at-spi2-core python3-pyatspi"
source scripts/setup.sh
# The Debian package, built and checked first: the end-to-end suite unpacks and plays it.
(unset BUILD_DIR CMAKE_ARGS EXTRA_PACKAGES; ./package.sh)
(cd "$BUILD_DIR" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)")

echo "== the same suite, sanitized =="
BUILD_DIR=build-asan
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELORAND_SANITIZE=ON >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"
cd "$BUILD_DIR"
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 QT_QPA_PLATFORM=offscreen \
  ctest --output-on-failure -j "$(nproc)" -E '^e2e$' -LE slow
