#!/usr/bin/env bash
# Builds AlphaStop with its tables of the shipped materials and starts it in the folder
# that holds them (build/run, with the data folders as/ and asc/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

build="$root/build"
cmake --preset run -S "$root" >/dev/null
cmake --build "$build"

# The build writes the shipped materials' tables into build/run/as and build/run/asc.
cd "$build/run"
exec "$build/src/app/alphastop"
