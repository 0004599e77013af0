#!/usr/bin/env bash
# Builds and runs the headline benchmarks and prints each against its target, so that a change
# that makes a hot path slower is seen before it lands. Run it before a change that touches the
# reading of files, the tables, the calculation, the undo history and its snapshots, the canvas
# or the torsion and DXF code. It is not a test and does not run in CI: its times depend on the
# machine.
#
# Every time is also given as a ratio to a floor measured in the same run: kuvanto-floor reading
# the 10^6-vertex circle file into one buffer and summing its vertices in one pass. Other work on
# the machine slows the floor about as much as the benchmarks, so the ratios are what compare
# between runs and machines. Each target in milliseconds is turned into a ratio by the floor's
# time on the machine the targets were set on (kReferenceFloorMs below, 2 cores, idle); a ratio
# more than 1.3 times its target ratio is flagged.
#
# Usage: scripts/bench-check.sh [RUNS]   (RUNS: best of how many runs of the floor and the
# calculator, default 5; KUVANTO_BUILD names another build folder)
set -euo pipefail
runs="${1:-5}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$root/scripts/setup.sh"
build="$KUVANTO_BUILD"
cmake --build "$build" -j2 --target bench_open_file bench_table_editing kuvanto-calc \
  kuvanto-floor kuvanto-bench-torsion kuvanto-bench-dxf >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
file="$work/circle.csv"
"$root/bench/core/circle-file.sh" 1000000 "$file"
export QT_QPA_PLATFORM=offscreen

# Prints "milliseconds peak_kB" of the best of `runs` runs of a command, from /usr/bin/time -v.
best_of() {
  local best_ms="" best_kb=""
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -v -o "$work/time" "$@" >/dev/null 2>"$work/err" || {
      echo "failed: $*" >&2
      cat "$work/err" >&2
      exit 1
    }
    local ms kb
    ms=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); v = 0
          for (j = 1; j <= n; j++) v = v * 60 + p[j]; print v * 1000 }' "$work/time")
    kb=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time")
    if [[ -z "$best_ms" ]] || awk -v a="$ms" -v b="$best_ms" 'BEGIN { exit !(a < b) }'; then
      best_ms=$ms
      best_kb=$kb
    fi
  done
  echo "$best_ms $best_kb"
}

echo "Running the benchmarks (10^6-vertex circle, $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg))..."
read -r floor_ms _ < <(best_of "$build/bench/kuvanto-floor" --huge-pages "$file")
read -r calc_ms calc_kb < <(best_of "$build/tools/kuvanto-calc" "$file")
# Runs one benchmark program with a filter, its results into $work/NAME.json.
run_benchmark() {
  local name="$1" program="$2" filter="$3"
  "$program" --benchmark_filter="$filter" --benchmark_out="$work/$name.json" \
    --benchmark_out_format=json >"$work/$name.out" 2>&1 || true
  if [[ ! -s "$work/$name.json" ]]; then
    echo "$program gave no results:" >&2
    tail -20 "$work/$name.out" >&2
    exit 1
  fi
}
run_benchmark open "$build/bench/app/bench_open_file" 'OpenFileUntilDrawn|ResultTabUntilDrawn'
run_benchmark editing "$build/bench/app/bench_table_editing" 'BM_InsertOneRow/|BM_TypeXTabYEnter/'
run_benchmark torsion "$build/bench/kuvanto-bench-torsion" 'BM_HSectionMeshAndSolve'
run_benchmark dxf "$build/bench/kuvanto-bench-dxf" 'BM_DxfImport100kEntities'

python3 - "$work" "$floor_ms" "$calc_ms" "$calc_kb" <<'EOF'
import json, sys

work, floor_ms, calc_ms, calc_kb = sys.argv[1], float(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4])
# The floor's time on the machine the targets were set on (2 cores, idle): a target of T ms is
# a ratio of T / kReferenceFloorMs to the floor.
kReferenceFloorMs = 40.0
kFlagFactor = 1.3


def results(name):
    found = {}
    with open(f"{work}/{name}.json") as f:
        for b in json.load(f)["benchmarks"]:
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
            key = b["name"].split("/")[0]
            found[key] = (b["real_time"] * scale, b.get("ui_ms"))
    return found


rows = []  # (what, milliseconds, interface-thread milliseconds or None, target ratio, target text)
opened = results("open")
rows.append(("window open until drawn", *opened["BM_OpenFileUntilDrawn"], 200 / kReferenceFloorMs, "< 200 ms"))
rows.append(("result tab until drawn", *opened["BM_ResultTabUntilDrawn"], 25 / kReferenceFloorMs, "< 25 ms"))
rows.append(("kuvanto-calc FILE (whole process)", calc_ms, None, 1.3, "<= 1.3x the floor"))
editing = results("editing")
rows.append(("typing X Tab Y Enter (key events)", *editing["BM_TypeXTabYEnter"], 16 / kReferenceFloorMs, "< 16 ms"))
rows.append(("inserting one row", *editing["BM_InsertOneRow"], 16 / kReferenceFloorMs, "< 16 ms"))
rows.append(("torsion of H-400x200x8x13", *results("torsion")["BM_HSectionMeshAndSolve"], 20 / kReferenceFloorMs, "< 20 ms"))
rows.append(("DXF of 10^5 entities", *results("dxf")["BM_DxfImport100kEntities"], 1000 / kReferenceFloorMs, "< 1 s"))

print(f"floor (read the file, sum the vertices): {floor_ms:.1f} ms")
print(f"{'work':36} {'time':>10} {'ui thread':>10} {'ratio':>8} {'target':>8}  verdict")
flagged = 0
for what, ms, ui_ms, target_ratio, target in rows:
    ratio = ms / floor_ms
    if ratio <= target_ratio:
        verdict = "met"
    elif ratio <= target_ratio * kFlagFactor:
        verdict = "over, within 1.3x"
    else:
        verdict = f"FLAG: {ratio / target_ratio:.1f}x its target"
        flagged += 1
    ui = f"{ui_ms:8.1f} ms" if ui_ms is not None else f"{'':>10}"
    print(f"{what:36} {ms:7.1f} ms {ui} {ratio:7.2f}x {target_ratio:7.2f}x  {verdict} ({target})")
peak_mb = calc_kb / 1024
print(f"kuvanto-calc peak memory: {peak_mb:.1f} MB (target < 60 MB): {'met' if peak_mb < 60 else 'FLAG'}")
flagged += peak_mb >= 60
print(f"{flagged} flagged" if flagged else "nothing flagged")
EOF
