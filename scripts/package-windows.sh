#!/usr/bin/env bash
# Builds the Windows program (scripts/windows-setup.sh) and packs what a Windows user downloads:
#   dist/Pelorand-<version>-win64.zip   the game's folder, to unzip and run
#   dist/Pelorand-<version>-win64.msi   the installer (wixl, from windows/pelorand.wxs)
# The folder they are made from stays in build-windows/stage/Pelorand, for the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-setup.sh
version=$(sed -n 's/^project(Pelorand VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
stage=$WINDOWS_BUILD_DIR/stage
rm -rf "$stage"
cmake --install "$WINDOWS_BUILD_DIR" --prefix "$stage/Pelorand" >/dev/null
# Debian ships the compiler's runtime with its symbols; Windows needs none of them.
find "$stage" \( -name '*.dll' -o -name '*.exe' -o -name '*.com' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
cp "$WINDOWS_BUILD_DIR/icons/pelorand.ico" "$stage/"
# The folder and the installer must ship the same files.
listed=$(grep -o 'Source="$(var.SourceDir)/[^"]*"' windows/pelorand.wxs | sed 's|.*SourceDir)/||; s|"$||' | sort)
staged=$(cd "$stage/Pelorand" && find . -type f | sed 's|^\./||' | sort)
if [ "$listed" != "$staged" ]; then
  echo "windows/pelorand.wxs and the staged folder differ:"
  diff <(echo "$listed") <(echo "$staged") | sed 's/^/  /'
  exit 1
fi
mkdir -p dist
rm -f dist/Pelorand-*-win64.zip dist/Pelorand-*-win64.msi
zip_file=$PWD/dist/Pelorand-$version-win64.zip msi_file=$PWD/dist/Pelorand-$version-win64.msi wxs=$PWD/windows/pelorand.wxs
(cd "$stage" && find Pelorand -exec touch -d "@${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}" {} + &&
 zip -qrX9 "$zip_file" Pelorand)
# wixl takes the files' paths relative to where it runs (an absolute one fails).
(cd "$stage" && wixl -a x64 -D Version="$version" -D SourceDir=Pelorand -D IconFile=pelorand.ico -o "$msi_file" "$wxs")
echo "built $zip_file ($(du -k "$zip_file" | cut -f1) kB) and $msi_file ($(du -k "$msi_file" | cut -f1) kB)"
