#!/usr/bin/env bash
# Runs one libFuzzer target briefly from its committed seed corpus.
# usage: fuzz-run.sh TARGET SEED_DIR SECONDS
set -euo pipefail
target=$1 seeds=$2 seconds=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# -seed fixes the mutation sequence so a failure can be replayed; -rss_limit_mb
# keeps a decoder that allocates beyond its input from passing unnoticed.
"$target" -seed=1 -max_total_time="$seconds" -rss_limit_mb=512 -timeout=10 \
  -print_final_stats=1 "$scratch" "$seeds"
