#!/usr/bin/env bash
# Builds Qt 6.4.2's base module for Windows x64 from Debian's own qt6-base source package with
# Debian's MinGW-w64 (posix threads), into PREFIX. The host tools (moc, rcc, uic, lrelease) are
# Debian's own Qt 6.4.2 packages. About 30 to 45 minutes on 2 cores; scripts/windows-qt.sh calls
# it only when no prebuilt Qt is at hand. Usage: build-qt-mingw.sh PREFIX [WORK_DIR]
set -euo pipefail
prefix=$(mkdir -p "$1" && cd "$1" && pwd)
work=${2:-$(mktemp -d)}
mkdir -p "$work"; cd "$work"
sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
need=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools ninja-build cmake perl
      qt6-base-dev qt6-base-dev-tools qt6-base-private-dev xz-utils dpkg-dev)
missing=()
for p in "${need[@]}"; do dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# The source package, from a deb-src entry for the suite the machine already uses.
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Version: 6.4.2'; then
  printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    | $sudo tee /etc/apt/sources.list.d/qt-source.sources >/dev/null
  $sudo apt-get update -qq
fi
apt-get source --download-only qt6-base=6.4.2+dfsg-10 >/dev/null 2>&1 || apt-get source --download-only qt6-base >/dev/null
tar xJf qt6-base_6.4.2+dfsg.orig.tar.xz
cat > toolchain.cmake <<'TC'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC
# OpenGL is left out (the game draws with QPainter), and dynamicgl with it, or the Windows
# platform plugin of 6.4.2 does not compile. Network, SQL, D-Bus and XML are not used.
cmake -S qtbase-everywhere-src-6.4.2 -B build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
  -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF \
  -DFEATURE_testlib=ON -DFEATURE_printsupport=ON -DFEATURE_concurrent=ON >configure.log
cmake --build build --parallel "$(nproc)"
cmake --install build >/dev/null
# The toolchain file goes inside, found relative to Qt's own, so the folder may move.
cp toolchain.cmake "$prefix/mingw-w64.toolchain.cmake"
sed -i "s|^set(__qt_initially_configured_toolchain_file .*|set(__qt_initially_configured_toolchain_file \"\${CMAKE_CURRENT_LIST_DIR}/../../../mingw-w64.toolchain.cmake\")|" \
  "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
find "$prefix" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
echo "built Qt for Windows in $prefix"
