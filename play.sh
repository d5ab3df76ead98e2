#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game; arguments go to the game (a deck file).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
exec "$BUILD_DIR/pelorand" "$@"
