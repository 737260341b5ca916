#!/usr/bin/env bash
# Formats the C++ sources with clang-format and the project's .clang-format.
#   scripts/format.sh           rewrites every source file in place
#   scripts/format.sh --check   changes nothing; lists the files not formatted and fails if any
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
mapfile -t files < <(git ls-files 'src/*' 'tests/*' 'bench/*' | grep -E '\.(cpp|h)$')
if [ "${1:-}" = "--check" ]; then
  unformatted=()
  for file in "${files[@]}"; do
    clang-format --style=file "$file" | cmp -s "$file" - || unformatted+=("$file")
  done
  if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted (run scripts/format.sh):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
  fi
  exit 0
fi
clang-format --style=file -i "${files[@]}"
