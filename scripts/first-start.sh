#!/usr/bin/env bash
# The first start of an operator: the program, started on Qt's offscreen
# platform with a fresh home, copies the shipped data into its folder and
# shows the first-run message, where it waits for the operator.
#   first-start.sh <program> <shipped data folder>
# Checks that the folder holds every shipped file, byte for byte, that the
# diagnostic log names the shipped data it came from and the first-run
# message shown, and that the program is still waiting there; then stops it.
# Used by ctest on the build tree and by scripts/check-package.sh on the
# installed package.
set -euo pipefail
program=$1
shipped=$(cd "$2" && pwd -P)

home=$(mktemp -d)
pid=""
finish() {
  if [ -n "$pid" ]; then kill -KILL "$pid" 2>/dev/null || true; fi
  rm -rf "$home"
}
trap finish EXIT
fail() {
  echo "first start of $program: $*" >&2
  echo "--- its standard error:" >&2
  cat "$home/stderr" >&2 || true
  exit 1
}

folder="$home/.local/share/Brivant"
log="$home/.local/state/Brivant/brivant.log"
env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 \
  "$program" >"$home/stdout" 2>"$home/stderr" &
pid=$!
disown "$pid"  # stopped by this script: bash need not report it

# The first-run message is logged just before the box shows; give the start
# up to 60 seconds (a loaded CI machine).
asked="info the station is asked for: First, you must enter your callsign and date of the JNC"
for _ in $(seq 600); do
  if grep -qF "$asked" "$log" 2>/dev/null; then break; fi
  kill -0 "$pid" 2>/dev/null || fail "it ended before showing the first-run message"
  sleep 0.1
done
grep -qF "$asked" "$log" 2>/dev/null || fail "no first-run message in $log within 60 s"
# Still there, waiting on the box.
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "it ended while showing the first-run message"

count=0
while IFS= read -r -d '' file; do
  relative=${file#"$shipped"/}
  cmp -s "$file" "$folder/$relative" || fail "$relative was not copied from $shipped into $folder"
  count=$((count + 1))
done < <(find "$shipped" -type f -print0)
[ "$count" -gt 0 ] || fail "$shipped holds no file"
grep -qF "info $count shipped files copied from $shipped into $folder" "$log" ||
  fail "the log does not say the $count shipped files came from $shipped: $(cat "$log")"

kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
echo "first start of $program: $count shipped files copied from $shipped, first-run message shown"
