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
work=$(mktemp -d /tmp/picturebook-check.XXXXXX)
xvfb_pid= pulse_pid= reader_pid= rec_pid=

finish() {
    for pid in $rec_pid $reader_pid $pulse_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in $rec_pid $reader_pid $pulse_pid $xvfb_pid; do
        while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
    done
    rm -rf "$work"
}
trap finish EXIT INT TERM

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
mkdir -m 700 "$work/pulse" "$work/empty"
echo "autospawn = no" >"$work/pulse/client.conf"
XDG_RUNTIME_DIR=$work/pulse HOME=$work/pulse PULSE_STATE_PATH=$work/pulse/state \
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --disable-shm=yes \
    --use-pid-file=no --log-target=file:"$work/pulse/log" \
    -L "module-null-sink sink_name=check rate=44100" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/native" >/dev/null 2>&1 &
pulse_pid=$!
i=0
while [ ! -s "$work/display" ] || [ ! -S "$work/pulse/native" ]; do
    i=$((i + 1)); [ $i -le 100 ] || { echo "check: the X or sound server did not start" >&2; exit 1; }
    sleep 0.1
done
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb
export PULSE_SERVER=unix:$work/pulse/native PULSE_CLIENTCONFIG=$work/pulse/client.conf
export XDG_RUNTIME_DIR=$work/pulse

parec --device=check.monitor --format=s16le --rate=44100 --channels=1 --raw \
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
