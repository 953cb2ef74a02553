#!/usr/bin/env bash
# Runs one libFuzzer target for a while from its committed seed corpus.
#
#   run-fuzzer.sh <fuzzer> <seed corpus> <seconds> [libFuzzer options...]
#
# FUZZ_SECONDS, when set, overrides <seconds> (`make fuzz` uses it for long
# runs). The seeds are copied to a working corpus so that nothing is ever
# written into the source tree: a temporary one that is removed afterwards,
# or FUZZ_CORPUS_ROOT/<fuzzer name> when that is set, kept to grow over
# several runs. An input that breaks a check is kept in the artifacts folder
# beside the fuzzer and named in the output.
set -euo pipefail

fuzzer=$1 seeds=$2 seconds=${FUZZ_SECONDS:-$3}
shift 3
name=$(basename "$fuzzer")

if [[ -n "${FUZZ_CORPUS_ROOT:-}" ]]; then
    corpus="$FUZZ_CORPUS_ROOT/$name"
    mkdir -p "$corpus"
else
    corpus=$(mktemp -d "${TMPDIR:-/tmp}/$name.XXXXXX")
    trap 'rm -rf "$corpus"' EXIT
fi
cp -- "$seeds"/* "$corpus"/

artifacts="$(dirname "$fuzzer")/artifacts/$name"
mkdir -p "$artifacts"
log="$artifacts/last-run.log"

echo "$name: fuzzing for $seconds s from $(ls "$seeds" | wc -l) seeds"
# A single allocation above 64 MiB or a process above 1 GiB counts as a
# fault: nothing these targets read should need a fraction of that. Inputs
# that build MiB-long lines are slow; scaling each input's share of the time
# by its speed keeps them from crowding out the many small ones. One process
# per corpus, so there is no need to look for inputs that others added.
status=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=64 \
    -entropic_scale_per_exec_time=1 -reload=0 -print_final_stats=1 -artifact_prefix="$artifacts/" \
    "$@" "$corpus" >"$log" 2>&1 || status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
if (( status != 0 )); then
    cat "$log"
    echo "$name: FAULT after ${runs:-?} runs (exit $status); the input is kept in $artifacts"
    exit 1
fi
echo "$name: ${runs:-?} runs in $seconds s, $(ls "$corpus" | wc -l) inputs in the corpus, no fault"
