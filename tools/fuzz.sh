#!/usr/bin/env bash
# Runs the stored-picture reader's fuzz target for longer than the test command does:
#   tools/fuzz.sh [SECONDS]        (default 3600)
# It starts from the seed corpus and the regression inputs and keeps what it learns in
# build/fuzz/long-corpus, so the next run goes on from there. Every input that crashes, leaks,
# times out or runs out of memory is written straight into tests/fuzz/regressions/, where the
# native tests replay it (picture_fuzz_replay) and the test command's fuzz run starts from it:
# fix the fault, give the file a name that says what it holds, and commit it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
seconds=${1:-3600}
./tools/setup.sh
cmake --preset fuzz >/dev/null
nice -n 5 cmake --build --preset fuzz --target picture_fuzzer
corpus=build/fuzz/long-corpus
mkdir -p "$corpus"
status=0
nice -n 5 build/fuzz/tests/fuzz/picture_fuzzer -max_total_time="$seconds" -max_len=8192 -timeout=10 \
    -rss_limit_mb=1536 -dict=tests/fuzz/png.dict -artifact_prefix=tests/fuzz/regressions/ \
    -print_final_stats=1 \
    "$corpus" tests/fuzz/corpus tests/fuzz/regressions || status=$?
new=$(git status --porcelain -- tests/fuzz/regressions | sed 's/^?? //')
if [ -n "$new" ]; then
    echo "fuzz: new failing inputs, kept as regression files:" >&2
    echo "$new" >&2
    exit 1
fi
exit "$status"
