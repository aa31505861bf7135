#!/usr/bin/env bash
# Runs the benchmark suite (the in-memory pipeline on every shape and size)
# and plots CPU time against input size per shape, so that linear growth shows
# as straight lines.
#
# usage: bench/plot.sh [PNG]            (default docs/performance.png)
# Environment: BENCH_ARGS, more arguments for the suite (for instance
# --benchmark_min_time=1); RESULTS, a folder that keeps the suite's output.
# Needs gnuplot and the bench preset's build (made here if missing).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
suite=$root/build-bench/bench/aliasconv_bench
png=${1:-$root/docs/performance.png}

command -v gnuplot >/dev/null || { echo "gnuplot is needed (Debian: gnuplot-nox)" >&2; exit 1; }
if [[ ! -x $suite ]]; then
  (cd "$root" && cmake --preset bench >/dev/null && cmake --build --preset bench -j2 >/dev/null)
fi
work=$(mktemp -d /tmp/aliasconv-plot.XXXXXX)
trap 'rm -rf "$work"' EXIT

# The suite measures growth with size. Left to its defaults, glibc hands the
# memory freed after each iteration back to the system and the next one
# faults it in again, at some sizes and not at others; the page faults of a
# real run are in bench/compare.sh's figures instead.
export GLIBC_TUNABLES=glibc.malloc.trim_threshold=268435456:glibc.malloc.mmap_threshold=33554432
# shellcheck disable=SC2086
"$suite" --benchmark_out="$work/suite.csv" --benchmark_out_format=csv ${BENCH_ARGS:-} \
  | tee "$work/suite.txt"

# One data file per shape: size, CPU time in microseconds.
awk -F, -v dir="$work" '
  { gsub(/"/, "", $1) }
  $1 ~ /^[a-z0-9-]+\/[0-9]+$/ {
    split($1, part, "/")
    scale = ($5 == "ns") ? 0.001 : ($5 == "ms") ? 1000 : ($5 == "s") ? 1e6 : 1
    print part[2], $4 * scale > (dir "/" part[1] ".dat")
  }' "$work/suite.csv"

gnuplot <<GNUPLOT
set terminal pngcairo size 1200,520 font ",10"
set output "$png"
set multiplot layout 1,2 title "aliasconv: CPU time of the in-memory pipeline against input size"
set grid
set key left top
set xlabel "normalised text (bytes)"
set ylabel "time (microseconds)"
set xrange [0:*]
set yrange [0:*]
plot for [s in "one-line many-aliases continued cp932 escaped-tokens"] \
  "$work/".s.".dat" using 1:2 with linespoints title s
set xlabel "old file (MiB)"
set ylabel "time (milliseconds)"
plot "$work/comments.dat" using (\$1/1048576):(\$2/1000) with linespoints title "comments, blanks and blank lines"
unset multiplot
GNUPLOT
echo "plot: $png"
if [[ -n ${RESULTS:-} ]]; then
  mkdir -p "$RESULTS"
  cp "$work/suite.csv" "$work/suite.txt" "$RESULTS/"
fi
