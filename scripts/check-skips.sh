#!/usr/bin/env bash
# No test is skipped silently: on Linux none may be skipped at all; under Wine only the tests
# docs/testing.md lists, with their reasons, under "Tests that cannot run under Wine".
# Usage: check-skips.sh linux|windows CTEST_OUTPUT
set -euo pipefail
cd "$(dirname "$0")/.."
skipped=$(sed -n 's/^[[:space:]]*[0-9]* - \(.*\) (Skipped)$/\1/p' "$2" | sort -u)
case "$1" in
  linux)
    if [ -n "$skipped" ]; then echo "tests skipped on Linux: $skipped"; exit 1; fi ;;
  windows)
    listed=$(awk '/^#+ Tests that cannot run under Wine/ {on = 1; next} on && /^#/ {on = 0} on' docs/testing.md \
             | sed -n 's/^| `\([^`]*\)` |.*/\1/p' | sort -u)
    unlisted=$(comm -23 <(echo "$skipped") <(echo "$listed") | sed '/^$/d')
    if [ -n "$unlisted" ]; then echo "tests skipped under Wine but not listed in docs/testing.md: $unlisted"; exit 1; fi ;;
  *) echo "usage: check-skips.sh linux|windows CTEST_OUTPUT" >&2; exit 2 ;;
esac
echo "skipped tests ($1): $(echo "$skipped" | sed '/^$/d' | wc -l), each accounted for"
