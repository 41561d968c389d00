#!/usr/bin/env bash
# The Debian package as an operator gets it: built (scripts/package.sh),
# checked by Debian's own tools, installed with apt-get, started once with a
# fresh home (scripts/first-start.sh) and removed again.  lintian's errors
# fail the check, its warnings are listed.  Needs root, or sudo, for apt-get;
# .ci/run runs it after the suite.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi

bash "$here/scripts/package.sh"
deb=$(ls "$here"/build/package/brivant_*.deb)
echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends

# No library travels inside the package: they come from Debian.
if dpkg-deb --contents "$deb" | grep -E '\.so(\.[0-9]+)*$'; then
  echo "the package carries libraries of its own" >&2
  exit 1
fi

echo "== lintian"
lintian --fail-on error --display-level '>=warning' --tag-display-limit 0 "$deb"

echo "== desktop entry, metainfo, manual page"
contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb --extract "$deb" "$contents"
desktop-file-validate "$contents"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$contents"/usr/share/metainfo/*.metainfo.xml
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$contents/usr/share/man/man1/brivant.1.gz" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "$warnings" >&2
  exit 1
fi
lexgrog "$contents/usr/share/man/man1/brivant.1.gz"

echo "== install"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
trap '$sudo apt-get remove -y -qq brivant >/dev/null || true; rm -rf "$contents"' EXIT
version=$(/usr/bin/brivant --version)
echo "$version"
[ "$version" = "Brivant $(dpkg-deb --field "$deb" Version)" ] || {
  echo "brivant --version says \"$version\", the package is $(dpkg-deb --field "$deb" Version)" >&2
  exit 1
}
bash "$here/scripts/first-start.sh" /usr/bin/brivant /usr/share/brivant

echo "== remove"
$sudo apt-get remove -y -qq brivant >/dev/null
trap 'rm -rf "$contents"' EXIT
if [ -e /usr/bin/brivant ] || [ -e /usr/share/brivant ]; then
  echo "the package left files behind" >&2
  exit 1
fi
echo "the package builds, passes its checks, installs, starts and is removed"
