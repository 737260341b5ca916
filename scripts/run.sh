#!/usr/bin/env bash
# Builds AlphaStop and starts it in a working folder that holds its data folders as/ and asc/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build"

work="$root/run"
mkdir -p "$work"
if [ ! -d "$work/as" ] && [ -d "$root/../shared/reference/as" ]; then
  cp -r "$root/../shared/reference/as" "$root/../shared/reference/asc" "$work/"
fi
cd "$work"
exec "$build/src/app/alphastop"
