#!/usr/bin/env bash
# Prints how much of the project's C++ (tracked .cpp and .h files) is tests:
# the lines under tests/ against all lines, tests included.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { xargs -r cat -- | wc -l; }
all=$(git ls-files -- '*.cpp' '*.h' | count)
tests=$(git ls-files -- 'tests/*.cpp' 'tests/*.h' | count)
[ "$all" -gt 0 ] || { echo "no C++ files" >&2; exit 1; }
printf 'tests: %d of %d C++ lines (%d.%d%%)\n' "$tests" "$all" \
    $((100 * tests / all)) $((1000 * tests / all % 10))
