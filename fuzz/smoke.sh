#!/usr/bin/env bash
# Builds the fuzzers with clang in their own build folder and runs each one over its seeds for a short,
# repeatable time: fixed seed, bounded by -max_total_time. A finding stops the script with the fuzzer's
# report and the input that caused it (in build/fuzz/findings/).
#   bash fuzz/smoke.sh [SECONDS] [FUZZER...]     default: 5 seconds, every fuzzer
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-5}"
shift || true
fuzzers=("$@")
if [ "${#fuzzers[@]}" -eq 0 ]; then
    fuzzers=(FuzzIniText FuzzTransformFile FuzzModelRewriter FuzzPatterns FuzzNumbers)
fi

build=build/fuzz
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARVOLIN_BUILD_FUZZ=ON -DTARVOLIN_BUILD_GUI=OFF -DTARVOLIN_BUILD_TESTS=OFF > /dev/null
cmake --build "$build" -j2 --target "${fuzzers[@]}"

# Seeds: the fuzzer's own, then the example set and the golden-file cases for the file readers.
seed_files() {
    case "$1" in
        FuzzTransformFile | FuzzIniText) find examples tests/cases -name '*.ini' 2>/dev/null || true ;;
        FuzzModelRewriter) find examples tests/cases -iname '*.mdl' -size -64k 2>/dev/null || true ;;
    esac
}

findings="$build/findings"
mkdir -p "$findings"
for fuzzer in "${fuzzers[@]}"; do
    corpus="$build/corpus/$fuzzer"
    mkdir -p "$corpus"
    cp -f fuzz/seeds/"$fuzzer"/* "$corpus"/
    seed_files "$fuzzer" | while read -r file; do
        cp -f "$file" "$corpus/seed-$(echo "$file" | tr '/' '_')"
    done
    echo "fuzz: $fuzzer for ${seconds}s"
    log="$findings/$fuzzer.log"
    status=0
    "$build/fuzz/$fuzzer" -max_total_time="$seconds" -seed=1 -max_len=65536 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$findings/$fuzzer-" "$corpus" > "$log" 2>&1 || status=$?
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log" >&2
        echo "fuzz: $fuzzer failed (status $status), input saved as $findings/$fuzzer-*" >&2
        exit 1
    fi
done
