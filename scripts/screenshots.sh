#!/usr/bin/env bash
# Pictures of every window in both languages, for reviewing the look, into
# screenshots/ (ignored by git).  Builds the tests first when needed; the
# pictures are taken by the Screenshots tests (ctest's label "screenshots"),
# run as ctest runs them.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/build.sh" build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVANT_WERROR=ON >/dev/null
export BRIVANT_SCREENSHOTS_DIR="$here/screenshots"
mkdir -p "$BRIVANT_SCREENSHOTS_DIR"
(cd "$here/build/test" && ctest -L screenshots --output-on-failure >/dev/null)
ls "$BRIVANT_SCREENSHOTS_DIR"
