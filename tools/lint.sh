#!/usr/bin/env bash
# The formatting of every C++ file, cmake-lint over every CMake file (rules in
# .cmake-format.py), and clang-tidy over the layers without Qt (the Qt ones
# would take most of CI's time to parse). Needs a configured default build for
# its compile commands.
set -euo pipefail
cd "$(dirname "$0")/.."

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
# cmake-lint names every file it reads; only its findings are shown.
if ! cmake_lint=$(git ls-files 'CMakeLists.txt' '*/CMakeLists.txt' '*.cmake' | xargs cmake-lint -c .cmake-format.py --); then
  echo "$cmake_lint" | grep '\[[A-Z][0-9]*\]' >&2
  exit 1
fi

git ls-files ':(glob)app/core/*.cpp' ':(glob)app/model/*.cpp' ':(glob)app/clipboard/*.cpp' ':(glob)spc/*.cpp' \
    ':(glob)chart/*.cpp' ':(glob)chart/engine/*.cpp' ':(glob)analysis/*.cpp' ':(glob)files/*.cpp' |
  xargs -P "$(nproc)" -n 4 clang-tidy -p build/default --quiet 2> >(grep -v "warnings generated" >&2)
echo "lint: clean"
