#!/usr/bin/env bash
# Brings translations/pelorand_<lang>.ts up to date with the texts in the code (new texts come
# in unfinished, texts no longer used go), as the build reads them. With a language code
# (scripts/update-translations.sh it) it starts that language's file: the build then offers it.
# With --check it changes nothing and fails when a .ts file is out of date with the code, or
# when any text has no finished translation (the translations test runs it so).
# LUPDATE and LRELEASE name the tools; Debian's Qt 6 ones by default.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
lrelease=${LRELEASE:-/usr/lib/qt6/bin/lrelease}
dirs=(engine expr solver answer player deal cli lang window dialogs files platform)
mapfile -t sources < <(for d in "${dirs[@]}"; do ls "$d"/*.cpp "$d"/*.h 2>/dev/null; done)
update() {  # update TS LANG
  "$lupdate" -silent -locations none -no-obsolete -disable-heuristic sametext -disable-heuristic similartext -disable-heuristic number -I . "${sources[@]}" -target-language "$2" -ts "$1"
}
languages=()
for ts in translations/pelorand_*.ts; do languages+=("$(basename "$ts" .ts | sed 's/^pelorand_//')"); done
if [ "${1:-}" != "--check" ]; then
  [ -n "${1:-}" ] && [[ " ${languages[*]} " != *" $1 "* ]] && languages+=("$1")
  for lang in "${languages[@]}"; do update "translations/pelorand_$lang.ts" "$lang"; done
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for lang in "${languages[@]}"; do
  ts=translations/pelorand_$lang.ts
  cp "$ts" "$work/$lang.ts"
  update "$work/$lang.ts" "$lang" 2>"$work/lupdate.log" || { cat "$work/lupdate.log"; status=1; }
  if ! diff -u "$ts" "$work/$lang.ts" >"$work/diff"; then
    echo "$ts is out of date with the code (run scripts/update-translations.sh):"
    grep '^[-+] *<source>' "$work/diff" | head -n 20
    status=1
  fi
  report=$("$lrelease" -nounfinished "$ts" -qm "$work/$lang.qm" 2>&1)
  # lrelease leaves out (and does not count) an unfinished entry that has a text: count them here.
  unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
  ignored=$(sed -n 's/.*Ignored \([0-9]*\) untranslated.*/\1/p' <<<"$report")
  finished=$(sed -n 's/.*(\([0-9]*\) finished and.*/\1/p' <<<"$report")
  echo "$ts: ${finished:-0} finished, ${unfinished:-0} unfinished, ${ignored:-0} untranslated"
  if [ "${unfinished:-0}" != 0 ] || [ "${ignored:-0}" != 0 ]; then
    grep -B3 'type="unfinished"' "$ts" | grep '<source>' | head -n 10
    status=1
  fi
done
exit $status
