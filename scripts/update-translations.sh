#!/usr/bin/env bash
# Brings translations/pelorand_<lang>.ts up to date with the texts in the code (new texts come
# in unfinished, texts no longer used go), as the build and the translations test read them.
set -euo pipefail
cd "$(dirname "$0")/.."
dirs=(engine expr solver answer player deal cli lang window dialogs files platform)
sources=$(for d in "${dirs[@]}"; do ls "$d"/*.cpp "$d"/*.h 2>/dev/null; done)
for lang in de fr; do
  # shellcheck disable=SC2086
  /usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -I . $sources -target-language "$lang" -ts "translations/pelorand_$lang.ts"
done
