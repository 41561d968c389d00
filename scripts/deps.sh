#!/usr/bin/env bash
# Installs, on Debian 12, whatever the build, the program or the tests need
# and is not there yet.  Quiet and fast when everything is installed.
#   deps.sh run    packages to build and start the logbook
#   deps.sh test   packages to build and run every test
#   deps.sh package  packages to build the Debian package and check it
set -euo pipefail

purpose=${1:-run}
packages=(g++ make cmake pkgconf qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
          fonts-liberation fonts-dejavu-core qt6-svg-dev libqt6svg6
          qt6-serialport-dev libqt6serialport6 qt6-multimedia-dev libqt6multimedia6 libqt6network6
          libhamlib-dev libhamlib4
          # Qt's own texts (the buttons of the message boxes) in French.
          qt6-translations-l10n)
if [ "$purpose" = test ]; then
  # rigctl (libhamlib-utils) is the independent encoder the CAT blocks are
  # checked against; rigctld, started by the tests, stands for a radio on
  # the network.
  # fonts-urw-base35 (on most Debian desktops, through ghostscript) brings
  # the font of symbols that a missing family may fall back on.
  # cwdaemon, started by the keyer tests on its null device, stands for a
  # keyer on the network.
  packages+=(libgtest-dev libgmock-dev libbenchmark-dev poppler-utils hamradio-files clang-format nodejs npm
             libhamlib-utils socat fonts-urw-base35 cwdaemon)
fi
if [ "$purpose" = package ]; then
  # dpkg-shlibdeps finds the package's dependencies, rsvg-convert draws the
  # PNG icons; lintian, desktop-file-validate, appstreamcli and man check
  # what the package holds.
  packages+=(dpkg-dev librsvg2-bin lintian desktop-file-utils appstream man-db)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
# nodejs may come from another source than Debian's package: a working node
# and npm are enough.
if [ "$purpose" = test ] && command -v node >/dev/null && command -v npm >/dev/null; then
  kept=()
  for package in "${missing[@]}"; do
    case "$package" in nodejs|npm) ;; *) kept+=("$package") ;; esac
  done
  missing=("${kept[@]+"${kept[@]}"}")
fi
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
