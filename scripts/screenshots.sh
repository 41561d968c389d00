#!/usr/bin/env bash
# Pictures of every window in both languages, for reviewing the look, into
# screenshots/ (ignored by git).  Builds the tests first when needed; the
# pictures are taken by the tests labelled "screenshots": the Screenshots
# suites, and the test that every window fits the screen, which ctest runs on
# 1280 x 720, 1366 x 768 at 100 %, 1920 x 1080 at 150 % and 2560 x 1440 at
# 200 % (the pictures named after screen and scale).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh" build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVANT_WERROR=ON >/dev/null
export BRIVANT_SCREENSHOTS_DIR="$here/screenshots"
mkdir -p "$BRIVANT_SCREENSHOTS_DIR"
(cd "$here/build/test" && ctest -L screenshots --output-on-failure >/dev/null)
ls "$BRIVANT_SCREENSHOTS_DIR"
