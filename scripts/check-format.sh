#!/usr/bin/env bash
# Fails (and names the files) when a C or C++ source of the repository does
# not follow .clang-format. Run with --fix to reformat them in place.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files -- '*.cpp' '*.h' '*.c')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi

bad=()
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
    bad+=("$f")
  fi
done
if [ "${#bad[@]}" -gt 0 ]; then
  printf 'not formatted (run scripts/check-format.sh --fix): %s\n' "${bad[@]}"
  exit 1
fi
echo "format: ${#files[@]} files follow .clang-format"
