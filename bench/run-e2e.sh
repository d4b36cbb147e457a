#!/usr/bin/env bash
# End-to-end speed and memory of the rewriter, single-threaded, over a generated vertex-heavy model set
# (made in a scratch folder and removed afterwards; never committed).
#   speed:  cp of the set, then one group (scale, rotate, translate), then four groups, in one run;
#           each the fastest of three runs over a warm page cache
#   memory: peak resident size of one group over a single 50 MB model and a single 1 GB model
# Usage: bash bench/run-e2e.sh BUILD_DIR [SET_MB]    (BUILD_DIR configured with -DTARVOLIN_BUILD_BENCH=ON)
set -euo pipefail

build=$(realpath "${1:?usage: run-e2e.sh BUILD_DIR [SET_MB]}")
set_mb=${2:-210}
generate=$build/bench/tarvolin_generate_models
rewrite=$build/bench/tarvolin_rewrite_models
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tarvolin-e2e-XXXXXX")
trap 'rm -rf "$scratch"' EXIT

fresh_out() {
    rm -rf "$scratch/out"
    mkdir "$scratch/out"
}

# Runs a command three times under /usr/bin/time, each time into an empty output folder, and prints the
# fastest run as "ELAPSED_S CPU_S PEAK_KB" (CPU = user + system; the largest peak of the three).
measure() {
    : >"$scratch/times"
    for _ in 1 2 3; do
        fresh_out
        /usr/bin/time -f "%e %U %S %M" -o "$scratch/time" "$@" >/dev/null
        cat "$scratch/time" >>"$scratch/times"
    done
    awk 'NR == 1 || $1 < best { best = $1; cpu = $2 + $3 } $4 > peak { peak = $4 }
         END { print best, cpu, peak }' "$scratch/times"
}

report() { # label bytes elapsed_s cpu_s peak_kb [reference_elapsed_s reference_cpu_s]
    awk -v label="$1" -v bytes="$2" -v s="$3" -v cpu="$4" -v kb="$5" -v ref="${6:-}" -v refcpu="${7:-}" 'BEGIN {
        mb = bytes / 1048576
        line = sprintf("%-28s %6.2f s %7.1f MB/s | cpu %6.2f s %7.1f MB/s | peak %5.1f MB", label, s,
                       mb / (s > 0 ? s : 0.01), cpu, mb / (cpu > 0 ? cpu : 0.01), kb / 1024)
        if (ref != "") line = line sprintf(" | %.2f x elapsed, %.2f x cpu", s / (ref > 0 ? ref : 0.01),
                                           cpu / (refcpu > 0 ? refcpu : 0.01))
        print line
    }'
}

echo "Generating a ${set_mb} MB model set in $scratch/set ..."
"$generate" "$scratch/set" "$set_mb" 40
bytes=$(du -sb "$scratch/set" | cut -f1)
cat "$scratch"/set/* >/dev/null # the same warm page cache for every contender

read -r cp_s cp_cpu cp_kb < <(measure sh -c "cp '$scratch'/set/* '$scratch/out/'")
report "cp" "$bytes" "$cp_s" "$cp_cpu" "$cp_kb"

read -r one_s one_cpu one_kb < <(measure "$rewrite" "$scratch/set" "$scratch/out" 1)
report "1 group (vs cp)" "$bytes" "$one_s" "$one_cpu" "$one_kb" "$cp_s" "$cp_cpu"

read -r tex_s tex_cpu tex_kb < <(measure "$rewrite" "$scratch/set" "$scratch/out" 1 textured)
report "1 group, textures too" "$bytes" "$tex_s" "$tex_cpu" "$tex_kb" "$cp_s" "$cp_cpu"

read -r four_s four_cpu four_kb < <(measure "$rewrite" "$scratch/set" "$scratch/out" 4)
report "4 groups (vs 1 group)" "$bytes" "$four_s" "$four_cpu" "$four_kb" "$one_s" "$one_cpu"
rm -rf "$scratch/set" "$scratch/out"

for mb in 50 1024; do
    "$generate" "$scratch/one" "$mb" 1
    one_bytes=$(du -sb "$scratch/one" | cut -f1)
    read -r s cpu kb < <(measure "$rewrite" "$scratch/one" "$scratch/out" 1)
    report "1 group, one ${mb} MB model" "$one_bytes" "$s" "$cpu" "$kb"
    rm -rf "$scratch/one" "$scratch/out"
done
