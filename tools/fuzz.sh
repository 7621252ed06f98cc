#!/usr/bin/env bash
# Runs a fuzz target for longer than the test command does:
#   tools/fuzz.sh [SECONDS] [picture|description]      (default 3600 seconds, the picture reader)
# It starts from the target's seed corpus and regression inputs and keeps what it learns in
# build/fuzz/long-corpus-TARGET, so the next run goes on from there. Every input that crashes,
# leaks, times out or runs out of memory is written straight into the target's regressions
# directory, where the native tests replay it (picture_fuzz_replay, description_fuzz_replay) and
# the test command's fuzz run starts from it: fix the fault, give the file a name that says what
# it holds, and commit it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-3600}
target=${2:-picture}
case "$target" in
picture) inputs=tests/fuzz dict=tests/fuzz/png.dict max_len=8192 ;;
description) inputs=tests/fuzz/description dict=tests/fuzz/description/description.dict max_len=4096 ;;
*)
    echo "fuzz: unknown target '$target' (picture or description)" >&2
    exit 2
    ;;
esac
./tools/setup.sh
cmake --preset fuzz >/dev/null
nice -n 5 cmake --build --preset fuzz --target "${target}_fuzzer"
corpus=build/fuzz/long-corpus-$target
mkdir -p "$corpus"
status=0
nice -n 5 "build/fuzz/tests/fuzz/${target}_fuzzer" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
    -rss_limit_mb=1536 -dict="$dict" -artifact_prefix="$inputs/regressions/" -print_final_stats=1 \
    "$corpus" "$inputs/corpus" "$inputs/regressions" || status=$?
new=$(git ls-files --others --exclude-standard -- "$inputs/regressions")
if [ -n "$new" ]; then
    echo "fuzz: new failing inputs, kept as regression files:" >&2
    echo "$new" >&2
    exit 1
fi
exit "$status"
