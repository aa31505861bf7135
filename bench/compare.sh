#!/usr/bin/env bash
# Times the whole program against the floor a user would compare it with, in
# one run of hyperfine rounds, and prints the median ratios:
#   a small realistic file (50 aliases)      against cp of the same file;
#   each pathological text of 31,999 bytes   against the small file;
#   a 256 MiB file of comments and blanks    against wc -l of the same file.
#
# usage: bench/compare.sh [RUNS [WARMUP [ROUNDS]]]   (defaults: 100, 10, 5)
# The runs of every command are spread over ROUNDS hyperfine rounds, every
# other round in reverse order, and a command's time is the median of its
# round medians: on a shared machine the load drifts during a run, and a
# command timed only at its start or end would be measured under a
# different load than the command it is compared with.
# Environment: ALIASCONV (default build/aliasconv), BENCH_WORK (a folder for
# the 300 MB of inputs; default a fresh one under /tmp), RESULTS (a folder
# that keeps hyperfine's CSV and JSON).
# Needs hyperfine; builds the input generator with the bench preset if needed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=${ALIASCONV:-$root/build/aliasconv}
make_input=$root/build-bench/bench/aliasconv_make_input
runs=${1:-100}
warmup=${2:-10}
rounds=${3:-5}
runs_per_round=$(((runs + rounds - 1) / rounds))
full_text=31999
big_file=$((256 * 1024 * 1024))
shapes=(one-line many-aliases escaped-tokens continued cp932)

command -v hyperfine >/dev/null || { echo "hyperfine is needed (Debian: hyperfine)" >&2; exit 1; }
[[ -x $program ]] || { echo "no program at $program: build it first" >&2; exit 1; }
if [[ ! -x $make_input ]]; then
  (cd "$root" && cmake --preset bench >/dev/null &&
    cmake --build build-bench --target aliasconv_make_input -j2 >/dev/null)
fi

if [[ -n ${BENCH_WORK:-} ]]; then
  work=$BENCH_WORK
  mkdir -p "$work"
else
  work=$(mktemp -d /tmp/aliasconv-bench.XXXXXX)
  trap 'rm -rf "$work"' EXIT
fi

"$make_input" small 0 "$work/small.old"
for shape in "${shapes[@]}"; do "$make_input" "$shape" "$full_text" "$work/$shape.old"; done
"$make_input" comments "$big_file" "$work/comments.old"

# The two-byte text needs a Shift_JIS locale to be read as two-byte text; the
# whole run uses it, since the other inputs are plain ASCII.
# localedef warns that Shift_JIS is not ASCII compatible and exits 1 for it.
mkdir -p "$work/locale"
localedef -c -i ja_JP -f SHIFT_JIS "$work/locale/ja_JP.SJIS" >/dev/null 2>&1 || true
# Only the timed programs get it: this shell would not find the locale.
run_env=()
if [[ -f $work/locale/ja_JP.SJIS/LC_CTYPE ]]; then
  run_env=(env "LOCPATH=$work/locale" LC_ALL=ja_JP.SJIS)
  locale_note="LC_ALL=ja_JP.SJIS (made with localedef)"
else
  locale_note="${LC_ALL:-${LANG:-C}}: no Shift_JIS locale could be made, cp932 is read as one-byte text"
fi

for input in small "${shapes[@]}" comments; do
  if ! "${run_env[@]}" "$program" "$work/$input.old" "$work/$input.new"; then
    echo "aliasconv failed on $input" >&2
    exit 1
  fi
done
cat "$work/comments.old" >/dev/null  # into the page cache before either reads it

names=(cp-small aliasconv-small)
commands=("cp $work/small.old $work/cp.out" "$program $work/small.old $work/small.new")
for shape in "${shapes[@]}"; do
  names+=("aliasconv-$shape")
  commands+=("$program $work/$shape.old $work/$shape.new")
done
names+=(wc-l-comments aliasconv-comments)
commands+=("wc -l $work/comments.old" "$program $work/comments.old $work/comments.new")

echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores;" \
  "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "program: $program ($(stat -c %s "$program") bytes); locale: $locale_note"
echo "inputs: small $(stat -c %s "$work/small.old") bytes; texts of $full_text normalised bytes;" \
  "comments $(stat -c %s "$work/comments.old") bytes"
order=("${!names[@]}")
for ((round = 1; round <= rounds; ++round)); do
  args=(-N --warmup "$warmup" --runs "$runs_per_round" --style basic
    --export-csv "$work/round-$round.csv" --export-json "$work/round-$round.json")
  for i in "${order[@]}"; do args+=(--command-name "${names[$i]}" "${commands[$i]}"); done
  "${run_env[@]}" hyperfine "${args[@]}" >>"$work/hyperfine.log" 2>&1 || { cat "$work/hyperfine.log" >&2; exit 1; }
  reversed=()
  for ((i = ${#order[@]} - 1; i >= 0; --i)); do reversed+=("${order[$i]}"); done
  order=("${reversed[@]}")
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg); $rounds rounds of $runs_per_round runs" \
  "after $warmup warm-ups, for each command"
echo

awk -F, -v shapes="${shapes[*]}" '
  FNR > 1 { times[$1] = times[$1] " " $4 }
  function middle(list,   v, n, i, j, t) {
    n = split(list, v, " ")
    for (i = 2; i <= n; ++i) for (j = i; j > 1 && v[j - 1] + 0 > v[j] + 0; --j) {
      t = v[j]; v[j] = v[j - 1]; v[j - 1] = t
    }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  function line(what, time, base, basename, limit,   r) {
    r = median[time] / median[base]
    printf "%-28s %9.3f ms  %-18s %9.3f ms  ratio %5.2f  limit %4.2f  %s\n", what, \
      median[time] * 1000, basename, median[base] * 1000, r, limit, (r <= limit ? "ok" : "OVER")
    if (r > limit) failed = 1
  }
  END {
    for (c in times) median[c] = middle(times[c])
    line("small file", "aliasconv-small", "cp-small", "cp", 1.0)
    n = split(shapes, s, " ")
    for (i = 1; i <= n; ++i) line(s[i] " 31,999", "aliasconv-" s[i], "aliasconv-small", "small file", 2.0)
    line("comments 256 MiB", "aliasconv-comments", "wc-l-comments", "wc -l", 2.0)
    exit failed
  }' "$work"/round-*.csv && verdict=0 || verdict=1

# Peak resident size is counted in coarse steps here; the page faults show
# the pages the program touched.
if [[ -x /usr/bin/time ]]; then
  read -r small_kib small_faults < <("${run_env[@]}" /usr/bin/time -f '%M %R' "$program" "$work/small.old" "$work/small.new" 2>&1)
  read -r big_kib big_faults < <("${run_env[@]}" /usr/bin/time -f '%M %R' "$program" "$work/comments.old" "$work/comments.new" 2>&1)
  echo
  echo "peak memory: small file $small_kib KiB ($small_faults page faults)," \
    "comments 256 MiB $big_kib KiB ($big_faults page faults):" \
    "$((big_faults - small_faults)) pages ($(((big_faults - small_faults) * 4)) KiB) more touched;" \
    "the read buffer is 64 KiB"
fi

if [[ -n ${RESULTS:-} ]]; then
  mkdir -p "$RESULTS"
  cp "$work"/round-*.csv "$work"/round-*.json "$work/hyperfine.log" "$RESULTS/"
fi
exit "$verdict"
