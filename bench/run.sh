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
#              run: its own benchmarks, and its program in bench_music; its
#              rows are marked "(before)"
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
benchmarks="bench_pageadvance bench_decode bench_paint bench_memory bench_startup bench_music"

run_all()
{
rm -rf "$results/before"
for tool in Xvfb xdotool pulseaudio; do
    command -v $tool >/dev/null || { echo "bench/run.sh: $tool is not installed" >&2; exit 1; }
done

runtime=$(mktemp -d /tmp/picturebook-bench.XXXXXX)
cleanup()
{
    "$root/tests/support/private-session.sh" stop "$runtime/session" >/dev/null 2>&1 || true
    rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display and a sound server of our own.
"$root/tests/support/private-session.sh" start --display --sound "$runtime/session" \
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
        if [ $name = bench_music ]; then
            # The same measurement of the other build's program.
            run_bench "$build" "$results/before" bench_music 10 "$before/picturebook"
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
#   <label> n=<n> median <x> <unit> p95 <x> <unit> max <x> <unit> ...
#   <label> value <x> <unit>
#   bench_decode's summary: <label> <median> <p95> <max> <cpu median>, in ms
awk '
function target(label) {
    if (label ~ /^click.* to painted page/) return "median <= 13.5 ms, p95 <= 16.7 ms"
    if (label ~ /^start-up to painted/) return "< 140 ms"
    if (label ~ /^click to tune/) return "median <= 150 ms, max <= 300 ms"
    if (label ~ /^peak resident/) return "<= 50 MB"
    if (label ~ /^growth 1 ->/) return "< 1 MB"
    if (label ~ /^idle CPU/) return "< 1 % of a core"
    return ""
}
function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t]+$/, "", s); return s }
BEGIN {
    print "| Benchmark | Figure | n | median | p95 | max | Target |"
    print "|---|---|---:|---:|---:|---:|---|"
}
FNR == 1 {
    bench = FILENAME; sub(/.*\//, "", bench); sub(/\.txt$/, "", bench)
    if (FILENAME ~ /\/before\//) bench = bench " (before)"
}
/ n= *[0-9]+ +median / {
    label = trim(substr($0, 1, index($0, " n=") - 1))
    n = $0; sub(/.* n= */, "", n); sub(/ .*/, "", n)
    med = $0; sub(/.* median +/, "", med); split(med, m, " ")
    p95 = $0; sub(/.* p95 +/, "", p95); split(p95, p, " ")
    mx = $0; sub(/.* max +/, "", mx); split(mx, x, " ")
    printf "| %s | %s | %s | %s %s | %s %s | %s %s | %s |\n", bench, label, n, m[1], m[2], p[1], p[2], x[1], x[2], target(label)
    next
}
bench ~ /^bench_decode/ && $0 !~ /^:/ && NF > 4 && $(NF-3) ~ /^[0-9.]+$/ && $(NF-2) ~ /^[0-9.]+$/ {
    label = $0; sub(/ +[0-9.]+ +[0-9.]+ +[0-9.]+ +[0-9.]+ *$/, "", label)
    printf "| %s | %s | | %s ms | %s ms | %s ms | |\n", bench, trim(label), $(NF-3), $(NF-2), $(NF-1)
    next
}
/ value +-?[0-9.]+ / {
    label = trim(substr($0, 1, index($0, " value ") - 1))
    v = $0; sub(/.* value +/, "", v); split(v, a, " ")
    printf "| %s | %s | 1 | %s %s | | | %s |\n", bench, label, a[1], a[2], target(label)
}
' $(for name in $benchmarks; do
        for file in "$results/$name.txt" "$results/before/$name.txt"; do
            [ -s "$file" ] && echo "$file"
        done
    done) </dev/null
