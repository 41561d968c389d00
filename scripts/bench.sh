#!/usr/bin/env bash
# Builds the benchmarks in Release (build/bench) and runs them with
# repetitions, printing each median against its budget (bench/budgets.txt).
#   bench.sh               every program of bench/
#   bench.sh log tally     only log_bench and tally_bench
# A benchmark that sets no repetitions of its own runs BENCH_REPETITIONS
# times (5 unless set).  Fails when a median is over its budget or a
# benchmark has no line in the table.  Run it on a quiet machine: other
# builds running beside it make every figure 2-5 times higher.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/deps.sh" test
bash "$here/scripts/build.sh" build/bench -DCMAKE_BUILD_TYPE=Release -DBRIVANT_TESTS=OFF -DBRIVANT_BENCH=ON \
  -DBRIVANT_WERROR=ON >/dev/null

budgets="$here/bench/budgets.txt"
programs=()
if [ $# -eq 0 ]; then
  for program in "$here"/build/bench/bench/*_bench; do programs+=("$(basename "$program")"); done
else
  for name in "$@"; do programs+=("${name%_bench}_bench"); done
fi
results=$(mktemp)
trap 'rm -f "$results"' EXIT

# Google Benchmark's JSON (its CSV refuses a program whose benchmarks do
# not all have the same counters): the medians of the repetitions, in
# milliseconds, with the counters as name=value; a benchmark that reported
# an error, or results that cannot be read, is "failed".
medians() {
  node -e '
    const fs = require("fs");
    const known = new Set(["name", "family_index", "per_family_instance_index", "run_name", "run_type",
      "repetitions", "repetition_index", "threads", "aggregate_name", "aggregate_unit", "iterations",
      "real_time", "cpu_time", "time_unit", "error_occurred", "error_message", "label"]);
    const scale = { ns: 1e-6, us: 1e-3, ms: 1, s: 1e3 };
    const failed = new Set();
    // Its JSON writes the counters of an empty spread as NaN.
    const text = fs.readFileSync(process.argv[1], "utf8").replace(/:\s*-?(NaN|Infinity)\b/g, ": null");
    let runs = [];
    try {
      runs = JSON.parse(text).benchmarks;
    } catch (error) {
      console.log("(its results) failed");
    }
    for (const run of runs) {
      const name = run.run_name;
      if (run.error_occurred) {
        if (!failed.has(name)) console.log(name + " failed");
        failed.add(name);
        continue;
      }
      if (run.aggregate_name !== "median") continue;
      const counters = Object.keys(run).filter((key) => !known.has(key)).map((key) => ` ${key}=${run[key]}`);
      console.log(`${name} ${(run.real_time * scale[run.time_unit]).toPrecision(6)}${counters.join("")}`);
    }' "$1"
}

status=0
printf '%-60s %12s %12s\n' "benchmark" "median" "budget"
for program in "${programs[@]}"; do
  binary="$here/build/bench/bench/$program"
  [ -x "$binary" ] || { echo "no benchmark program $program" >&2; exit 1; }
  (cd "$here/build/bench" && "$binary" --benchmark_repetitions="${BENCH_REPETITIONS:-5}" \
    --benchmark_report_aggregates_only=true --benchmark_out="$results" --benchmark_out_format=json >/dev/null)
  while read -r name milliseconds counters; do
    if [ "$milliseconds" = failed ]; then
      printf '%-60s %12s\n' "$program $name" "FAILED"
      status=1
      continue
    fi
    budgeted=0
    while read -r table_program pattern budget; do
      case "$table_program" in ''|'#'*) continue ;; esac
      [ "$table_program" = "$program" ] || continue
      # shellcheck disable=SC2053  # the pattern is a shell pattern
      [[ $name == $pattern ]] || continue
      budgeted=1
      verdict=""
      case "$budget" in
        -) shown=$(printf '%.3g ms' "$milliseconds"); budget_shown="-" ;;
        *'<='*)
          counter=${budget%%<=*}; limit=${budget#*<=}
          value=$(tr ' ' '\n' <<<"$counters" | sed -n "s/^$counter=//p")
          [ -n "$value" ] || { echo "$program $name has no counter $counter" >&2; status=1; continue; }
          shown="$counter $(printf '%.4g' "$value")"; budget_shown="$limit"
          awk -v v="$value" -v l="$limit" 'BEGIN { exit !(v > l) }' && verdict="OVER BUDGET" ;;
        *)
          number=${budget%%[a-z]*}; unit=${budget#"$number"}
          case "$unit" in ns) scale=1e-6 ;; us) scale=1e-3 ;; ms) scale=1 ;; s) scale=1e3 ;;
            *) echo "bench/budgets.txt: unknown unit in $budget" >&2; exit 1 ;; esac
          shown=$(printf '%.3g ms' "$milliseconds"); budget_shown="$number $unit"
          awk -v v="$milliseconds" -v l="$number" -v s="$scale" 'BEGIN { exit !(v > l * s) }' && verdict="OVER BUDGET" ;;
      esac
      printf '%-60s %12s %12s %s\n' "$program $name" "$shown" "$budget_shown" "$verdict"
      [ -z "$verdict" ] || status=1
    done <"$budgets"
    if [ "$budgeted" = 0 ]; then
      printf '%-60s %12s %12s %s\n' "$program $name" "$(printf '%.3g ms' "$milliseconds")" "?" "NOT IN bench/budgets.txt"
      status=1
    fi
  done < <(medians "$results")
done
exit $status
