#!/usr/bin/env bash
# Installs what is missing, builds Brivant in Release with Debian's hardening
# flags and makes its Debian package with CPack:
# build/package/brivant_<version>_<arch>.deb (its path is the last line out).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
bash scripts/deps.sh package

# The flags Debian builds its packages with (dpkg-buildflags), all hardening
# on; no debugging information, since the package is stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP="-g -O2"
folder=build/package
cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=Release -DBRIVANT_TESTS=OFF -DBRIVANT_BENCH=OFF -DBRIVANT_PACKAGE=ON \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
# Only what is worth reading (warnings, errors) is shown; a failed build still
# fails the script (pipefail).
cmake --build "$folder" --parallel "$(nproc)" 2>&1 | { grep -v -E '^\[ *[0-9]+%\]|^-- ' || true; }

rm -f "$folder"/brivant_*.deb
(cd "$folder" && cpack -G DEB >/dev/null)
ls "$here/$folder"/brivant_*.deb
