#!/usr/bin/env bash
# Builds AlphaStop with its tests and runs every test (the windows on Qt's offscreen platform).
#   scripts/test.sh [--sanitize] [cmake options...]
# --sanitize builds in build-sanitize/ with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the whole suite under them: any memory error, leak or undefined behaviour fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

build="${ALPHASTOP_TEST_BUILD:-$root/build-tests}"
preset=tests
if [ "${1:-}" = "--sanitize" ]; then
  shift
  build="${ALPHASTOP_TEST_BUILD:-$root/build-sanitize}"
  preset=sanitize
  # Qt and fontconfig are not built with the sanitizers; the suppressions name only their
  # own allocations (see the file). The tests' own code stays fully checked.
  export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
# A warning fails the build, so none can pile up unread.
cmake --preset "$preset" -S "$root" -B "$build" "$@"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure --timeout 300 -j "$(nproc)"
