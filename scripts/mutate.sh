#!/usr/bin/env bash
# Mutation check of the test suite: puts each one-line fault of scripts/mutations.txt into a
# clean copy of the tree, one at a time, rebuilds, runs the suite (ctest, the end-to-end checks
# included, the slow shards left out) and reports which faults the suite caught and missed.
# A row marked "windows" in a fifth field is a fault of the Windows program only: it is judged by
# the Windows build's suite under Wine (the packed program's own checks left out).
# Usage: scripts/mutate.sh [WORK_DIR] [NUMBER...]   (numbers pick single faults, 1-based)
#        scripts/mutate.sh --rows   (only checks that every fault's text is in its file once)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
# A row whose text the code no longer holds would be skipped by a long run; say so at once.
if [ "${1:-}" = --rows ]; then
  python3 - scripts/mutations.txt <<'PY'
import sys
rows = [l.rstrip('\n').split('\t') for l in open(sys.argv[1], encoding='utf-8')
        if l.strip() and not l.startswith('#')]
bad = 0
for n, row in enumerate(rows, 1):
    if len(row) not in (4, 5) or (len(row) == 5 and row[4] != 'windows'):
        print(f'#{n}: not four tab-separated fields (and "windows" as a fifth)'); bad += 1; continue
    file, old, _, why = row[:4]
    try:
        found = open(file, encoding='utf-8').read().count(old.replace('\\n', '\n'))
    except OSError:
        found = -1
    if found != 1:
        print(f'#{n} {file}: the text to change is there {max(found, 0)} times, not once ({why})'); bad += 1
print(f'{len(rows)} rows, {bad} that cannot be applied')
sys.exit(1 if bad else 0)
PY
  exit $?
fi
work=$(readlink -f "${1:-build-mutate}")
# The rows check fails on every fault put in (its text is gone from the file), so it is left out.
skip='^mutation_rows_apply$'
shift || true
picked=" $* "
list=$root/scripts/mutations.txt

rm -rf "$work/pristine"
mkdir -p "$work/src" "$work/pristine"
git ls-files -z | xargs -0 cp --parents -t "$work/pristine"
cp -a "$work/pristine/." "$work/src/"
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 2
targets=(--target pelorand pelorand_docs engine_tests gui_tests)
cmake --build "$work/build" -j "$(nproc)" "${targets[@]}" >"$work/build.log" 2>&1 || { echo "clean build failed"; exit 2; }
# Without a fault the suite must pass, or every fault would count as caught.
if ! (cd "$work/build" && QT_QPA_PLATFORM=offscreen ctest -j "$(nproc)" -LE slow -E "$skip" >"$work/ctest.log" 2>&1); then
  echo "the suite fails with no fault in it (see $work/ctest.log): fix that first"; exit 2
fi

# The Windows build of the copy, made when the first Windows fault comes up; its suite must pass
# without a fault too.
windows_targets=(--target pelorand pelorand_com engine_tests gui_tests mark_started)
windows_build() {
  [ -f "$work/build-windows/.ready" ] && return 0
  source "$root/scripts/windows-qt.sh"
  cmake -S "$work/src" -B "$work/build-windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QT_WINDOWS/lib/cmake/Qt6/qt.toolchain.cmake" -DQT_HOST_PATH=/usr >/dev/null || return 1
  cmake --build "$work/build-windows" -j "$(nproc)" "${windows_targets[@]}" >"$work/build-windows.log" 2>&1 || { echo "clean Windows build failed"; return 1; }
  if ! (cd "$work/build-windows" && ctest -j "$(nproc)" -LE slow -E "$skip|^wine_e2e$|^windows_imports$" >"$work/ctest-windows.log" 2>&1); then
    echo "the Windows suite fails with no fault in it (see $work/ctest-windows.log): fix that first"; return 1
  fi
  touch "$work/build-windows/.ready"
}

# mutation FILE_IN DIR NUMBER [apply]: prints "file<TAB>what it breaks" of fault NUMBER (nothing
# past the last); with apply, also puts it into DIR (exit 1 if its text is not there once).
mutation() {
  python3 - "$@" <<'PY'
import sys
rows = [l.rstrip('\n').split('\t') for l in open(sys.argv[1], encoding='utf-8')
        if l.strip() and not l.startswith('#')]
n = int(sys.argv[3])
if n > len(rows):
    sys.exit(2)
file, old, new, why = rows[n - 1][:4]
print(file + '\t' + why + '\t' + (rows[n - 1][4] if len(rows[n - 1]) > 4 else 'linux'))
if len(sys.argv) > 4:
    old, new = old.replace('\\n', '\n'), new.replace('\\n', '\n')
    path = sys.argv[2] + '/' + file
    text = open(path, encoding='utf-8').read()
    if text.count(old) != 1:
        sys.exit(1)
    open(path, 'w', encoding='utf-8').write(text.replace(old, new))
PY
}

caught=0; missed=0; broken=0; n=0
missed_list=()
while info=$(mutation "$list" "$work/src" $((n + 1))); do
  n=$((n + 1))
  IFS=$'\t' read -r file why platform <<<"$info"
  [ "$picked" != "  " ] && [[ "$picked" != *" $n "* ]] && continue
  if ! mutation "$list" "$work/src" "$n" apply >/dev/null; then
    echo "BAD   #$n $file: the text to change is not there exactly once"; broken=$((broken + 1)); continue
  fi
  if [ "$platform" = windows ]; then
    windows_build || exit 2
    build=$work/build-windows build_targets=("${windows_targets[@]}") tests_skip="$skip|^wine_e2e$|^windows_imports$"
  else
    build=$work/build build_targets=("${targets[@]}") tests_skip=$skip
  fi
  if ! cmake --build "$build" -j "$(nproc)" "${build_targets[@]}" >"$work/mutant.log" 2>&1; then
    echo "BUILD #$n $why (does not compile: not counted)"; broken=$((broken + 1))
  elif (cd "$build" && QT_QPA_PLATFORM=offscreen timeout 600 ctest -j "$(nproc)" -LE slow -E "$tests_skip" --stop-on-failure >"$work/ctest.log" 2>&1); then
    echo "MISSED #$n $why"; missed=$((missed + 1)); missed_list+=("#$n $why")
  else
    echo "caught #$n $why: $(grep -m1 -oE '[0-9]+ - [A-Za-z0-9_.]+' "$work/ctest.log" | sed 's/^[0-9]* - //')"
    caught=$((caught + 1))
  fi
  cp "$work/pristine/$file" "$work/src/$file"
done
cmake --build "$work/build" -j "$(nproc)" "${targets[@]}" >/dev/null 2>&1
[ -f "$work/build-windows/.ready" ] && cmake --build "$work/build-windows" -j "$(nproc)" "${windows_targets[@]}" >/dev/null 2>&1
total=$((caught + missed))
echo "mutation check: $caught of $total faults caught ($(( total ? 100 * caught / total : 0 ))%), $broken not counted"
for m in "${missed_list[@]}"; do echo "  missed: $m"; done
