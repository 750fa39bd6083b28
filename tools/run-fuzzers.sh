#!/usr/bin/env bash
# Runs every fuzz target for a bounded time from its committed seeds; any crash, leak or sanitizer report fails.
set -euo pipefail
build_dir="$1"
seconds="$2"
root="$(cd "$(dirname "$0")/.." && pwd)"
shopt -s nullglob
for target in "$build_dir"/tests/fuzz/*_fuzz; do
    name="$(basename "$target" _fuzz)"
    seeds="$root/tests/fuzz/corpus/$name"
    work="$build_dir/fuzz-corpus/$name"
    mkdir -p "$work"
    echo "fuzzing $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
        -artifact_prefix="$build_dir/fuzz-crash-$name-" "$work" "$seeds" 2>"$build_dir/fuzz-$name.log" || {
        tail -50 "$build_dir/fuzz-$name.log"
        echo "fuzz target $name failed" >&2
        exit 1
    }
    grep -E '^(Done|#[0-9]+ *DONE)' "$build_dir/fuzz-$name.log" | tail -1 || true
done
