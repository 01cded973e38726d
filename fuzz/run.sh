#!/usr/bin/env bash
# Builds the .xls reader's libFuzzer target with clang in build-fuzz and runs
# it for FUZZ_RUNS inputs (default 150,000, about a minute) from a fixed random
# seed, so that a CI run is repeatable, for at most FUZZ_SECONDS (default 120),
# on seeds made now: the test workbooks written by xlwt and the small
# workbooks of the shared corpus when present.
# Exits non-zero when the fuzzer finds a crash, a leak, a timeout or an
# out-of-memory input (the input is saved in build-fuzz/findings/).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${FUZZ_BUILD_DIR:-build-fuzz}
SECONDS_TO_RUN=${FUZZ_SECONDS:-120}
RUNS=${FUZZ_RUNS:-150000}

cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DVELMORA_FUZZ=ON -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF -DVELMORA_GUI=OFF >/dev/null
cmake --build "$BUILD_DIR" --target velmora_fuzz_reader --parallel 2

seeds=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$seeds" "$work"' EXIT
/usr/bin/python3 tests/data/make_xls_fixtures.py "$seeds"
for corpus in ../shared/corpus/xls /work/shared/corpus/xls; do
    if [ -d "$corpus" ]; then
        find "$corpus" -maxdepth 1 -name '*.xls' -size -48k -exec cp {} "$seeds/" \;
        break
    fi
done
echo "fuzzing the reader for ${RUNS} inputs on $(ls "$seeds" | wc -l) seeds"

mkdir -p "$BUILD_DIR/findings"
"$BUILD_DIR/bin/velmora_fuzz_reader" "$work" "$seeds" \
    -seed=1 -runs="$RUNS" -max_total_time="$SECONDS_TO_RUN" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$BUILD_DIR/findings/" -print_final_stats=1 2>&1 | tail -n 40
exit "${PIPESTATUS[0]}"
