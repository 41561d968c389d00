#!/usr/bin/env bash
# Who writes the shared state: each field of core/AppState.h may be assigned
# only in the files listed for it below, and a field that is not listed may
# not be assigned anywhere.  A write is an assignment, a compound assignment
# or an increment through a name ending in "state" (state, state_, appState,
# view.state, state()), or a non-const reference bound to the field.
#   state-writers.sh <source root> [folder...]   (default: every program folder)
# Prints each write out of place, in file and line order, and exits 1 when
# there is one.
set -euo pipefail
root=$1
shift
folders=("$@")
[ ${#folders[@]} -gt 0 ] || folders=(platform core entry scoring outputs stats cluster labels app tools)

declare -A writers=(
  [StationCall]="core/Station.cpp core/ui/MainStartup.cpp"
  [StationLocator]="core/Station.cpp core/ui/MainStartup.cpp"
  [JncDate]="core/Station.cpp core/ui/MainStartup.cpp"
  [Language]="core/ui/MainLanguage.cpp"
  [FirstRun]="core/Station.cpp"
  [RevisionText]=""
  [QsoCount]="core/ui/Main.cpp"
  [GridBand]="core/ui/Main.cpp core/ui/MainStartup.cpp"
  [DeptCount]="entry/ui/DeptGridView.cpp"
)

# Every field of the state is in the table, and nothing else.
declared=$(sed -n '/^struct \(Station\|List\|Grid\)State {/,/^};/p' "$root/core/AppState.h" |
  grep -oP '^\s+(std::string|int|bool|double)\s+\K\w+(?=\s*(=|\{|;))' | sort)
listed=$(printf '%s\n' "${!writers[@]}" | sort)
if [ "$declared" != "$listed" ]; then
  echo "core/AppState.h and the table of writers name different fields:"
  diff <(echo "$declared") <(echo "$listed") || true
  exit 1
fi

holder='\b(\w*[sS]tate_?|state\(\))\s*(\.|->)\s*'
found=""
for field in "${!writers[@]}"; do
  write="${holder}${field}\b\s*([-+*/|&]?=(?!=)|\+\+|--)|(\+\+|--)\s*${holder}${field}\b|(?<!const )(?<!::)\b(std::)?\w+&\s+\w+\s*=\s*${holder}${field}\b"
  while IFS= read -r hit; do
    [ -n "$hit" ] || continue
    file=${hit%%:*}
    file=${file#"$root"/}
    case " ${writers[$field]} " in
      *" $file "*) ;;
      *)
        rest=${hit#"$root"/}
        line=${rest#*:}
        found+="$file:${line%%:*}: $field written out of place:${line#*:}"$'\n'
        ;;
    esac
  done < <(cd "$root" && grep -rnP --include='*.cpp' --include='*.h' "$write" "${folders[@]}" 2>/dev/null |
    grep -vP '^[^:]+:\d+:\s*//' | sed "s|^|$root/|" || true)
done
[ -z "$found" ] && exit 0
printf '%s' "$found" | sort -t: -k1,1 -k2,2n
exit 1
