#!/usr/bin/env bash
# Configures (once) and builds one build tree.
#   build.sh <folder> <cmake options...>
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
folder=$1; shift
if [ ! -f "$here/$folder/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$here/$folder" "$@" >/dev/null
fi
cmake --build "$here/$folder" --parallel "$(nproc)"
