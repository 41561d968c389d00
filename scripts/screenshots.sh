#!/usr/bin/env bash
# Pictures of every window in both languages, for reviewing the look, into
# screenshots/ (ignored by git).  Builds the tests first when needed.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh" build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVANT_WERROR=ON >/dev/null
export BRIVANT_SCREENSHOTS_DIR="$here/screenshots" QT_QPA_PLATFORM=offscreen
mkdir -p "$BRIVANT_SCREENSHOTS_DIR"
cd "$here/build/test"
for program in tests/*_tests; do
  if "$program" --gtest_list_tests | grep -q '^Screenshots'; then
    "$program" --gtest_filter='Screenshots*' >/dev/null
  fi
done
ls "$BRIVANT_SCREENSHOTS_DIR"
