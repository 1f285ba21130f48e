#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of the project is not as `clang-format -i` leaves it
# (the house style of .clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."
bad=()
while IFS= read -r -d '' file; do
  clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || bad+=("$file")
done < <(git ls-files -z -- '*.cpp' '*.h')
if [ ${#bad[@]} -gt 0 ]; then
  printf 'Not in the house style (clang-format -i mends them):\n' >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
