#!/usr/bin/env bash
# Builds a libFuzzer target for each bank file reader with clang in build-fuzz/ and runs each for
# a fixed number of inputs, from seeds gathered from examples/ and tests/fuzz/seeds/. Fails on a
# crash, a sanitizer report, a kept record that breaks a record rule, an input slower than a
# second, memory over 512 MB, or a target still running after ten minutes.
# fuzz.sh [RUNS]   (20000 inputs a target when not given)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20000}
build=build-fuzz

CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORLIN_FUZZ=ON > /dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_json fuzz_gift fuzz_aiken fuzz_xml

seeds() {
    case $1 in
    json) echo examples/lab-bank/*.json ;;
    gift) echo examples/gift/* ;;
    aiken) echo examples/aiken/* ;;
    xml) echo examples/xml/* ;;
    esac
    echo tests/fuzz/seeds/"$1"/*
}

for reader in json gift aiken xml; do
    # A fresh corpus each run: the seeds, and what the fuzzer adds while it runs.
    corpus=$build/corpus/$reader
    rm -rf "$corpus"
    mkdir -p "$corpus"
    # shellcheck disable=SC2046
    cp $(seeds "$reader") "$corpus"/
    start=$SECONDS
    timeout 600 "$build/tests/fuzz/fuzz_$reader" -runs="$runs" -timeout=1 -rss_limit_mb=512 \
        -artifact_prefix="$build/tests/fuzz/" -print_final_stats=1 "$corpus" \
        > "$build/fuzz_$reader.log" 2>&1 ||
        { tail -n 40 "$build/fuzz_$reader.log" >&2; echo "fuzz_$reader failed" >&2; exit 1; }
    echo "fuzz_$reader: $(grep -o 'stat::number_of_executed_units: [0-9]*' \
        "$build/fuzz_$reader.log" | grep -o '[0-9]*$') inputs in $((SECONDS - start)) s"
done
