#!/usr/bin/env bash
# Checks the layers' includes and the formatting of every C++ file, and runs clang-tidy on the
# program's sources.
# Needs a configured build folder (compile_commands.json): `make lint` makes one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

./scripts/check_layers.sh

mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "clang-format: ${#files[@]} files formatted"

mapfile -t sources < <(git ls-files 'src/*.cpp' 'tools/*.cpp')
run-clang-tidy -p "$build" -quiet -j "$(nproc)" "${sources[@]/#/$PWD/}" > "$build/clang-tidy.log" 2>&1 ||
    { sed 's/\x1b\[[0-9;]*m//g' "$build/clang-tidy.log" | grep -E '(warning|error):' >&2; exit 1; }
echo "clang-tidy: ${#sources[@]} sources, no findings"
