#!/usr/bin/env bash
# Sourced: sets QT_WINDOWS to a Qt 6.4.2 built for Windows x64 with MinGW-w64 (posix threads).
#   - PELORAND_QT_WINDOWS names a ready one: used as it is;
#   - else the cache folder (PELORAND_CACHE, by default ~/.cache/pelorand) holds it from an
#     earlier run;
#   - else a prebuilt one packed by the same recipe (PELORAND_QT_TARBALL, by default
#     ../shared/toolchains/qt-6.4.2-mingw-w64.tar.xz beside the project) is unpacked there;
#   - else scripts/build-qt-mingw.sh builds it there from Debian's own qt6-base source (about
#     30 to 45 minutes on 2 cores, once).
set -euo pipefail
qt_name=qt-6.4.2-mingw-w64
if [ -n "${PELORAND_QT_WINDOWS:-}" ]; then
  QT_WINDOWS=$PELORAND_QT_WINDOWS
else
  cache=${PELORAND_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/pelorand}
  QT_WINDOWS=$cache/$qt_name
  if [ ! -f "$QT_WINDOWS/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    mkdir -p "$cache"
    tarball=${PELORAND_QT_TARBALL:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/../shared/toolchains/$qt_name.tar.xz}
    rm -rf "$QT_WINDOWS.partial"
    mkdir -p "$QT_WINDOWS.partial"
    if [ -f "$tarball" ]; then
      echo "Qt for Windows: unpacking $tarball into $cache"
      tar -C "$QT_WINDOWS.partial" -xJf "$tarball"
    else
      echo "Qt for Windows: building it from Debian's qt6-base source into $cache (about 30 to 45 minutes, once)"
      "$(dirname "${BASH_SOURCE[0]}")/build-qt-mingw.sh" "$QT_WINDOWS.partial/$qt_name"
    fi
    rm -rf "$QT_WINDOWS"
    mv "$QT_WINDOWS.partial/$qt_name" "$QT_WINDOWS"
    rm -rf "$QT_WINDOWS.partial"
  fi
fi
[ -f "$QT_WINDOWS/lib/cmake/Qt6/qt.toolchain.cmake" ] || { echo "no Qt for Windows in $QT_WINDOWS" >&2; exit 1; }
export QT_WINDOWS
