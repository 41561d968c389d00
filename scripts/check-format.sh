#!/usr/bin/env bash
# Fails when a C++ file is not as clang-format (the project's .clang-format)
# writes it; `check-format.sh --fix` rewrites them in place.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
fi
