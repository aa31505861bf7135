#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time, one after the
# other, and fails on the first finding.
#   tests/fuzz/run_fuzzers.sh [SECONDS_PER_TARGET] [BUILD_DIR] [TARGET...]
# Seeds: the end-to-end fixtures, each behind every code-page byte, and the
# kept corpus of each target. New inputs go to a scratch folder; a finding is
# left in BUILD_DIR/fuzz-findings/. FUZZ_WORK_DIR, when set, keeps the
# scratch folder (and so the grown corpus) for a later run.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
seconds="${1:-60}"
build="$(cd "${2:-$here/../../build-fuzz}" && pwd)"
shift $(($# < 2 ? $# : 2))
targets=("$@")
((${#targets[@]})) || targets=(pipeline split_tokens quote)

if [[ -n "${FUZZ_WORK_DIR:-}" ]]; then
  scratch="$FUZZ_WORK_DIR"
  mkdir -p "$scratch"
else
  scratch="$(mktemp -d)"
  trap 'rm -rf "$scratch"' EXIT
fi
seeds="$scratch/seeds"
mkdir -p "$seeds" "$build/fuzz-findings"
n=0
while IFS= read -r -d '' fixture; do
  for selector in 0 1 2 3 4 5; do
    { printf "\\x0$selector"; cat "$fixture"; } >"$seeds/$n-$selector"
  done
  n=$((n + 1))
done < <(find "$here/../e2e/cases" "$here/../../examples" -type f -print0)

for target in "${targets[@]}"; do
  corpus="$scratch/corpus-$target"
  mkdir -p "$corpus"
  kept=()
  [[ -d "$here/corpus/$target" ]] && kept=("$here/corpus/$target")
  # Tokens need no length to break their rules; short inputs run faster.
  limits=()
  if [[ "$target" != pipeline ]]; then limits=(-max_len=1024); fi
  echo "== fuzz_$target for ${seconds}s"
  "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "${limits[@]}" \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-findings/$target-" \
    "$corpus" "$seeds" "${kept[@]}" 2>"$scratch/log-$target" || {
    tail -n 60 "$scratch/log-$target"
    echo "fuzz_$target: finding kept in $build/fuzz-findings/" >&2
    exit 1
  }
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ *DONE)' "$scratch/log-$target"
done
