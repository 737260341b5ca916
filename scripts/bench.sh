#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench/) and prints one table: every user action
# with its median, its spread (25th to 75th percentile) and its target. The windows run on
# Qt's offscreen platform.
#
#   scripts/bench.sh           the full run, a few minutes
#   scripts/bench.sh --smoke   builds the benchmarks in the test build and runs each once,
#                              briefly, so that they cannot rot (CI); its numbers mean nothing
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

if [ "${1:-}" = "--smoke" ]; then
  build="${ALPHASTOP_TEST_BUILD:-$root/build-tests}"
  cmake -S "$root" -B "$build" -G Ninja -DALPHASTOP_BUILD_BENCHMARKS=ON >/dev/null
  targets=(bench_core_actions bench_window_actions bench_process_actions alphastop_data)
  grep -q '^ALPHASTOP_PYTHON_MODULE:INTERNAL=ON$' "$build/CMakeCache.txt" && targets+=(alphastop_python)
  cmake --build "$build" --target "${targets[@]}"
  core=(--benchmark_repetitions=1 --benchmark_min_time=0.001)
  windows=(--benchmark_repetitions=1)
  processes=(--runs 1)
  python=(--runs 1 --count 10000)
  title="smoke run: each benchmark once, so the numbers mean nothing"
else
  build="$root/build-bench"
  cmake --preset bench -S "$root" >/dev/null
  cmake --build "$build"
  core=(--benchmark_repetitions=15 --benchmark_min_time=0.1)
  windows=(--benchmark_repetitions=201)
  processes=(--runs 41)
  python=(--runs 15)
  title="Release build, offscreen platform"
fi
tables_tool="$build/src/app/alphastop-tables"
[ -x "$tables_tool" ] && processes+=(--tables-tool "$tables_tool")
calc_tool="$build/src/app/alphastop-calc"
[ -x "$calc_tool" ] && processes+=(--calc-tool "$calc_tool")

load="$(cut -d ' ' -f 1-3 /proc/loadavg)"
bin="$build/bench/actions"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$out}"
chmod 700 "$out"

"$bin/bench_core_actions" "${core[@]}" >"$out/core"
"$bin/bench_window_actions" "${windows[@]}" >"$out/windows"
QT_SCALE_FACTOR=2 "$bin/bench_window_actions" "${windows[@]}" --benchmark_filter=load >"$out/windows2"
"$bin/bench_process_actions" "${processes[@]}" >"$out/processes"
# The Python module, where it is built, with the interpreter it is built for.
interpreter="$(sed -n 's/^ALPHASTOP_PYTHON_INTERPRETER:INTERNAL=//p' "$build/CMakeCache.txt")"
touch "$out/python"
if [ -n "$interpreter" ]; then
  PYTHONPATH="$build/src/python" "$interpreter" "$root/bench/python_module.py" --data "$build/run" \
    "${python[@]}" >"$out/python"
fi

echo "AlphaStop: the speed and memory of every user action ($title)"
echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)," \
  "load average before the run: $load"
echo
echo "| user action | median | spread (25th–75th percentile) | target | |"
echo "|---|---|---|---|---|"
grep '^|' "$out/core"
grep '^| load' "$out/windows"
grep '^| load' "$out/windows2"
grep '^|' "$out/windows" | grep -v '^| load'
grep '^|' "$out/processes"
grep '^|' "$out/python" || true
echo
cat "$out"/core "$out"/windows "$out"/processes | sed -n 's/^note: /- /p' | awk '!seen[$0]++'
