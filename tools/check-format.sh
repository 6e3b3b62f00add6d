#!/usr/bin/env bash
# Checks that every C++ source file of the project is formatted as .clang-format says; prints the
# files that are not and fails when there is one. Fix them with clang-format -i.
#   tools/check-format.sh [source folder]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . \( -name '*.cpp' -o -name '*.h' \) \
  -not -path './build*')
unformatted=()
for file in $files; do
  clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  printf '%s\n' "${unformatted[@]}"
  echo "${#unformatted[@]} file(s) not formatted as .clang-format says (clang-format -i fixes them)"
  exit 1
fi
echo "format: every C++ file is formatted as .clang-format says"
