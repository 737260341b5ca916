#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a bounded time.
#   scripts/fuzz.sh [seconds per target, default 60] [target...]
# Without targets, every fuzz_* program tests/fuzz/CMakeLists.txt builds is run.
# Corpora grow in build-fuzz/corpus/<target>; an input that breaks a promise is kept in
# build-fuzz/artifacts/ and the script fails, naming it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift || true
"$root/scripts/install-deps.sh"

build="$root/build-fuzz"
cmake --preset fuzz -S "$root" >/dev/null
cmake --build "$build"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for program in "$build"/tests/fuzz/fuzz_*; do
    [ -x "$program" ] && targets+=("$(basename "$program" | sed 's/^fuzz_//')")
  done
fi
shared="${ALPHASTOP_SHARED:-$root/../shared}"
seeds="$root/tests/fuzz/seeds"
mkdir -p "$build/artifacts"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

seed_lines() {  # one seed file per line of a list; "\n" in a line stands for a line end
  local list="$1" corpus="$2" n=0
  while IFS= read -r line; do
    n=$((n + 1))
    printf '%b' "$line" >"$corpus/seed-$n"
  done <"$list"
}

failed=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  max_len=4096
  case "$target" in
    material_file)
      max_len=16384
      cp "$root"/tests/data/damaged/*.as* "$corpus/" 2>/dev/null || true
      # The published tables are copied in for each run, never kept in the repository.
      if [ -d "$shared/reference" ]; then
        find "$shared/reference" -type f \( -name '*.as' -o -name '*.asc' \) -exec cp {} "$corpus/" \;
      else
        echo "fuzz: no $shared/reference; material_file starts from the damaged files alone"
      fi
      ;;
    *) if [ -f "$seeds/$target.txt" ]; then seed_lines "$seeds/$target.txt" "$corpus"; fi ;;
  esac
  echo "== fuzz_$target for ${seconds}s"
  log="$build/fuzz_$target.log"
  if "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
      "$corpus" >"$log" 2>&1; then
    grep -E '^Done [0-9]+ runs' "$log" || tail -n 3 "$log"
  else
    failed+=("$target")
    grep -E 'broken promise|ERROR|SUMMARY|runtime error|Test unit written' "$log" || tail -n 20 "$log"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: failures in ${failed[*]}; inputs kept in $build/artifacts/, logs in $build/fuzz_*.log"
  exit 1
fi
echo "fuzz: no failures"
