#!/bin/sh
# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

# Starts or stops a private PulseAudio server with a null sink, so that tests
# play real sound without a sound card and without touching the user's own
# audio. Usage: audio-server.sh start|stop <runtime-dir>
set -eu
runtime=$2
pidfile=$runtime/pulse.pid
running() { [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null; }

case $1 in
start)
    running && exit 0
    command -v pulseaudio >/dev/null || { echo "pulseaudio is not installed" >&2; exit 1; }
    mkdir -p "$runtime"
    rm -f "$runtime/native"
    # A private runtime and state folder keep this server apart from any
    # session server; -n skips the default configuration.
    XDG_RUNTIME_DIR=$runtime HOME=$runtime PULSE_STATE_PATH=$runtime/state \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
        --disable-shm=yes --log-target=file:"$runtime/pulse.log" \
        -L "module-null-sink sink_name=picturebook_test rate=44100" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$runtime/native" \
        >/dev/null 2>&1 &
    echo $! >"$pidfile"
    for _ in $(seq 100); do
        [ -S "$runtime/native" ] && exit 0
        running || break
        sleep 0.1
    done
    echo "the audio server did not start; see $runtime/pulse.log" >&2
    exit 1
    ;;
stop)
    running || exit 0
    pid=$(cat "$pidfile")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    rm -f "$pidfile" "$runtime/native"
    ;;
esac
