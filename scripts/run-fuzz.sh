#!/usr/bin/env bash
# Builds the fuzz targets (the fuzz preset: clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each on its corpus for SECONDS (20 by
# default), as many at once as there are cores. Every input of the corpus in
# the tree runs first, the regression inputs among them; new inputs found on
# the way go to a scratch folder, inputs that break a target to
# build-fuzz/findings/<target>/. Name targets to run only those:
#   bash scripts/run-fuzz.sh 600 task_file settings_file
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-20}"
shift || true

packages=(clang libclang-rt-14-dev cmake ninja-build)
bash scripts/install-packages.sh "${packages[@]}"

echo "=== fuzz: build"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for corpus in fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi
# The settings target saves a file on every run: keep its flushes off the disk.
if [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
findings=build-fuzz/findings

# run TARGET: one target for the time given; its log goes to the scratch folder.
run() {
    local name=$1
    local options=(-max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1
                   -artifact_prefix="$findings/$name/")
    [ -f "fuzz/dict/$name.dict" ] && options+=(-dict="fuzz/dict/$name.dict")
    mkdir -p "$scratch/$name" "$findings/$name"
    if "build-fuzz/fuzz/${name}_fuzz" "${options[@]}" "$scratch/$name" "fuzz/corpus/$name" \
        >"$scratch/$name.log" 2>&1; then
        echo ok >"$scratch/$name.result"
    else
        echo failed >"$scratch/$name.result"
    fi
}

echo "=== fuzz: ${#targets[@]} targets, ${seconds} s each"
jobs_at_once=$(nproc)
for name in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs_at_once" ]; do wait -n || true; done
    run "$name" &
done
wait

failed=()
for name in "${targets[@]}"; do
    result=$(cat "$scratch/$name.result")
    stats=$(grep -E '^stat::number_of_executed_units|^stat::new_units_added' "$scratch/$name.log" |
            sed 's/stat::number_of_executed_units: */runs /; s/stat::new_units_added: */new inputs /' | paste -sd, - || true)
    coverage=$(grep -oE 'cov: [0-9]+ ft: [0-9]+' "$scratch/$name.log" | tail -1 || true)
    echo "--- $name: $result ($stats; $coverage)"
    if [ "$result" != ok ]; then
        failed+=("$name")
        grep -E 'broken invariant|ERROR: |SUMMARY|Test unit written' "$scratch/$name.log" | head -20 | sed 's/^/    /' || true
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "=== fuzz: ${#failed[@]} targets broke: ${failed[*]} (inputs in $findings/)"
    exit 1
fi
echo "=== fuzz: every target ran clean"
