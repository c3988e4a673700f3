#!/bin/sh
# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

# Runs every benchmark of a build on a private X server and a private sound
# server, and writes a Markdown table of their figures, with the targets
# beside them, to standard output. Nothing here passes or fails by time.
#
# Usage: bench/run.sh [--table] [--before other-build-dir] [build-dir]
#   build-dir  default build/, best a Release build
#   --before   also measures another build (an older version, say) in the same
#              run: its own benchmarks, and its program in bench_music and
#              bench_startup; its rows are marked "(before)"
# Start-up and memory figures are also given as a ratio to the floor
# (picturebook_floor, a window with the title picture and nothing else),
# which bench_startup measures in the same run, in turns with the reader.
# The full output of each benchmark is kept in <build-dir>/bench/results/ (the
# other build's in results/before/); --table only prints the table of the
# results kept there.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
table_only=false
before=""
while [ $# -gt 0 ]; do
    case $1 in
    --table) table_only=true ;;
    --before) before=$(cd "$2" && pwd); shift ;;
    *) break ;;
    esac
    shift
done
build=$(cd "${1:-$root/build}" && pwd)
bin=$build/bench
results=$bin/results
mkdir -p "$results"
# PICTUREBOOK_BENCHMARKS="bench_startup bench_music" runs only those.
benchmarks=${PICTUREBOOK_BENCHMARKS:-"bench_pageadvance bench_decode bench_paint bench_memory bench_startup bench_music"}

run_all()
{
rm -rf "$results/before"
for tool in Xvfb xdotool pulseaudio; do
    command -v $tool >/dev/null || { echo "bench/run.sh: $tool is not installed" >&2; exit 1; }
done

runtime=$(mktemp -d /tmp/picturebook-bench.XXXXXX)
cleanup()
{
    "$root/scripts/private-session.sh" stop "$runtime/session" >/dev/null 2>&1 || true
    rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display and a sound server of our own.
"$root/scripts/private-session.sh" start --display --sound "$runtime/session" \
    >"$runtime/session.env" || exit 1
set -a
. "$runtime/session.env"
set +a
unset WAYLAND_DISPLAY XAUTHORITY || true

# build-dir results-dir name arguments. Benchmarks that are not built are
# skipped.
run_bench()
{
    from=$1
    into=$2
    name=$3
    shift 3
    if [ ! -x "$from/bench/$name" ]; then
        echo "bench/run.sh: $from/bench/$name is not built, skipped" >&2
        return 0
    fi
    echo "bench/run.sh: running $from/bench/$name $*" >&2
    mkdir -p "$into"
    # The programs read their music from the build folder.
    if ! (cd "$from" && "$from/bench/$name" "$@") >"$into/$name.txt" 2>"$into/$name.err"; then
        echo "bench/run.sh: $name failed; see $into/$name.err" >&2
    fi
}

for name in $benchmarks; do
    run_bench "$build" "$results" $name
    if [ -n "$before" ]; then
        if [ $name = bench_music ] || [ $name = bench_startup ]; then
            # The same measurement of the other build's program.
            runs=10
            [ $name = bench_startup ] && runs=9
            run_bench "$build" "$results/before" $name $runs "$before/picturebook"
        else
            run_bench "$before" "$results/before" $name
        fi
    fi
done

echo "bench/run.sh: full output in $results" >&2
}

if ! $table_only; then
    run_all
fi

# Three kinds of lines make rows:
#   <label> n=<n> median <x> <unit> [p90 <x> <unit>] p95 <x> <unit> max <x> <unit> ...
#   <label> value <x> <unit>
#   bench_decode's summary: <label> <median> <p95> <max> <cpu median>, in ms
# A row whose label starts with "floor: " is the floor's; the reader's row of
# the same figure gets its median divided by the floor's, from the same
# benchmark run (the peak resident size of a reading by the floor's peak).
awk '
function target(label) {
    if (label ~ /^click.* to painted page/) return "p90 <= 16.7 ms"
    if (label ~ /^window mapped/) return "<= 1.3 x floor"
    if (label ~ /^first page painted/) return "<= 1.3 x floor"
    if (label ~ /^click to tune/) return "median <= 150 ms, max <= 300 ms"
    if (label ~ /^peak resident, reading/) return "<= 46 MiB"
    if (label ~ /^growth 1 ->/) return "< 1 MiB"
    if (label ~ /^idle CPU/) return "< 1 % of a core"
    return ""
}
function floorKey(label) {
    if (label ~ /^peak resident/) return "peak resident"
    return label
}
function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t]+$/, "", s); return s }
function field(line, name,    v, a) {
    if (line !~ (" " name " +-?[0-9.]+ ")) return ""
    v = line; sub(".* " name " +", "", v); split(v, a, " ")
    return a[1] " " a[2]
}
function row(label, n, med, p90, p95, mx) {
    rows++
    rbench[rows] = bench; rlabel[rows] = label; rn[rows] = n
    rmed[rows] = med; rp90[rows] = p90; rp95[rows] = p95; rmax[rows] = mx
    if (label ~ /^floor: /) {
        k = floorKey(substr(label, 8))
        floormed[suffix, k] = med + 0
        if (!(("", k) in floormed)) floormed["", k] = med + 0
    }
}
FNR == 1 {
    bench = FILENAME; sub(/.*\//, "", bench); sub(/\.txt$/, "", bench)
    suffix = ""
    if (FILENAME ~ /\/before\//) { suffix = " (before)"; bench = bench suffix }
}
/ n= *[0-9]+ +median / {
    label = trim(substr($0, 1, index($0, " n=") - 1))
    n = $0; sub(/.* n= */, "", n); sub(/ .*/, "", n)
    row(label, n, field($0, "median"), field($0, "p90"), field($0, "p95"), field($0, "max"))
    next
}
bench ~ /^bench_decode/ && $0 !~ /^:/ && NF > 4 && $(NF-3) ~ /^[0-9.]+$/ && $(NF-2) ~ /^[0-9.]+$/ {
    label = $0; sub(/ +[0-9.]+ +[0-9.]+ +[0-9.]+ +[0-9.]+ *$/, "", label)
    row(trim(label), "", $(NF-3) " ms", "", $(NF-2) " ms", $(NF-1) " ms")
    next
}
/ value +-?[0-9.]+ / {
    label = trim(substr($0, 1, index($0, " value ") - 1))
    row(label, 1, field($0, "value"), "", "", "")
}
END {
    print "| Benchmark | Figure | n | median | p90 | p95 | max | x floor | Target |"
    print "|---|---|---:|---:|---:|---:|---:|---:|---|"
    for (i = 1; i <= rows; i++) {
        ratio = ""
        s = rbench[i] ~ /\(before\)$/ ? " (before)" : ""
        k = floorKey(rlabel[i])
        if (rlabel[i] !~ /^floor: / && ((s, k) in floormed || ("", k) in floormed)) {
            f = ((s, k) in floormed) ? floormed[s, k] : floormed["", k]
            if (f > 0) ratio = sprintf("%.2f", (rmed[i] + 0) / f)
        }
        printf "| %s | %s | %s | %s | %s | %s | %s | %s | %s |\n", rbench[i], rlabel[i], rn[i], rmed[i], rp90[i], rp95[i], rmax[i], ratio, target(rlabel[i])
    }
}
' $(for name in $benchmarks; do
        for file in "$results/$name.txt" "$results/before/$name.txt"; do
            [ -s "$file" ] && echo "$file"
        done
    done) </dev/null
