#!/bin/sh
# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

# Starts an installed picturebook the way a desktop launcher does, from a
# folder without music, on a private X server and a private sound server, and
# checks that its window appears and that its title music is heard.
# Usage: packaging/check-installed.sh [program]   (default: /usr/bin/picturebook)
# Needs xvfb, xdotool, pulseaudio, pulseaudio-utils and sox.
set -eu
program=${1:-/usr/bin/picturebook}
# The private servers' helper lies beside this script, in the source tree and
# where check-in-chroot.sh puts both.
session=$(dirname "$0")/private-session.sh
[ -x "$session" ] || session=$(dirname "$0")/../scripts/private-session.sh
work=$(mktemp -d /tmp/picturebook-check.XXXXXX)
reader_pid= rec_pid=

finish() {
    for pid in $rec_pid $reader_pid; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in $rec_pid $reader_pid; do
        while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
    done
    "$session" stop "$work/session"
    rm -rf "$work"
}
trap finish EXIT INT TERM

mkdir -m 700 "$work/empty"
"$session" start --display --sound "$work/session" >"$work/session.env" ||
    { echo "check: the X or sound server did not start" >&2; exit 1; }
set -a
. "$work/session.env"
set +a

parec --device="$PULSE_SINK.monitor" --format=s16le --rate=44100 --channels=1 --raw \
    --latency-msec=20 >"$work/sound.raw" &
rec_pid=$!
(cd "$work/empty" && exec "$program") >"$work/reader.log" 2>&1 &
reader_pid=$!

i=0
until xdotool search --onlyvisible --name '^MainWindow$' >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -le 200 ] || { echo "check: no window appeared" >&2; cat "$work/reader.log" >&2; exit 1; }
    sleep 0.1
done
sleep 3
kill "$rec_pid"; wait "$rec_pid" 2>/dev/null || true; rec_pid=
kill -0 "$reader_pid" || { echo "check: the program ended by itself" >&2; exit 1; }

rms=$(sox -t raw -r 44100 -e signed -b 16 -c 1 "$work/sound.raw" -n stat 2>&1 | awk '/RMS +amplitude/ { print $3 }')
echo "check: window shown; music level (RMS, full scale 1) over the first seconds: $rms"
awk -v rms="$rms" 'BEGIN { exit !(rms > 0.01) }' || { echo "check: no music was heard" >&2; exit 1; }
echo "check: passed"
