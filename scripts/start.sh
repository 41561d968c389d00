#!/usr/bin/env bash
# Installs what is missing, builds Brivant in Release and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh" run
bash "$here/scripts/build.sh" build/release -DCMAKE_BUILD_TYPE=Release -DBRIVANT_TESTS=OFF -DBRIVANT_BENCH=OFF \
  | grep -v -E '^\[ *[0-9]+%\]|^-- ' || true
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Brivant is built, but this machine has no display to show its window on."
  echo "Start it from a graphical session (or set DISPLAY), then run this command again."
  exit 1
fi
exec "$here/build/release/app/brivant" "$@"
