#!/bin/sh
# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

# A private desktop for running the reader without touching anyone's own: an
# X server (Xvfb), a PulseAudio server whose only output is a null sink that
# can be recorded, and a D-Bus session bus, each started only when asked for,
# with all their state in one runtime folder. Every test, benchmark and check
# that runs the real program gets its servers from here.
#
# Usage:
#   private-session.sh run [--display] [--sound] [--bus] <runtime-dir>
#       starts the servers, prints one NAME=value line per variable a client
#       needs (DISPLAY, PULSE_SERVER, ...; each server's PID as
#       PICTUREBOOK_<SERVER>_PID), then the line READY, and stays until it is
#       sent SIGTERM, SIGINT or SIGHUP, or until all its servers have ended;
#       it ends them on its way out.
#   private-session.sh start [--display] [--sound] [--bus] <runtime-dir>
#       the same in the background: returns once the servers are up, having
#       printed the same lines and written them to <runtime-dir>/session.env.
#   private-session.sh stop <runtime-dir>
#       ends what `start` started there.
# The runtime folder is made (mode 700) when missing; keep its path short, as
# the sound server's socket lives in it.
set -eu

usage()
{
    echo "usage: $0 run|start [--display] [--sound] [--bus] <runtime-dir> | stop <runtime-dir>" >&2
    exit 2
}

[ $# -ge 2 ] || usage
mode=$1
shift

if [ "$mode" = stop ]; then
    pidfile=$1/session.pid
    [ -f "$pidfile" ] || exit 0
    pid=$(cat "$pidfile")
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$pidfile"
    exit 0
fi

display=false sound=false bus=false
while [ $# -gt 1 ]; do
    case $1 in
    --display) display=true ;;
    --sound) sound=true ;;
    --bus) bus=true ;;
    *) usage ;;
    esac
    shift
done
runtime=$1
mkdir -p "$runtime"
chmod 700 "$runtime"
runtime=$(cd "$runtime" && pwd)

if [ "$mode" = start ]; then
    env=$runtime/session.env
    rm -f "$env"
    flags=""
    $display && flags="$flags --display"
    $sound && flags="$flags --sound"
    $bus && flags="$flags --bus"
    # shellcheck disable=SC2086
    setsid "$0" run $flags "$runtime" >"$env.part" 2>"$runtime/session.log" </dev/null &
    echo $! >"$runtime/session.pid"
    for _ in $(seq 200); do
        if grep -qx READY "$env.part" 2>/dev/null; then
            grep -v '^READY$' "$env.part" >"$env"
            rm -f "$env.part"
            cat "$env"
            exit 0
        fi
        kill -0 "$(cat "$runtime/session.pid")" 2>/dev/null || break
        sleep 0.05
    done
    echo "private-session: the servers did not start; see $runtime/session.log" >&2
    exit 1
fi
[ "$mode" = run ] || usage

pids=""
finish()
{
    status=$1
    trap - TERM INT HUP EXIT
    for pid in $pids; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in $pids; do
        for _ in $(seq 60); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.05
        done
        kill -9 "$pid" 2>/dev/null || true
    done
    exit "$status"
}
trap 'finish 0' TERM INT HUP
trap 'finish $?' EXIT

fail()
{
    echo "private-session: $*" >&2
    exit 1
}

# waits (up to 10 s) for a test to pass while the given process lives
await()
{
    pid=$1
    shift
    for _ in $(seq 200); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

if $display; then
    command -v Xvfb >/dev/null || fail "Xvfb is not installed"
    # -displayfd names a free display once the server accepts clients. The
    # screen is larger than the reader's window.
    rm -f "$runtime/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$runtime/display" \
        >/dev/null 2>&1 &
    pids="$pids $!"
    await $! test -s "$runtime/display" || fail "Xvfb did not start"
    echo "DISPLAY=:$(cat "$runtime/display")"
    echo "QT_QPA_PLATFORM=xcb"
    echo "PICTUREBOOK_XVFB_PID=$!"
fi

if $sound; then
    command -v pulseaudio >/dev/null || fail "pulseaudio is not installed"
    rm -f "$runtime/native"
    echo "autospawn = no" >"$runtime/client.conf"
    # -n skips the system's configuration: no sound card, no idle suspension;
    # the null sink plays in real time all the same.
    XDG_RUNTIME_DIR=$runtime HOME=$runtime PULSE_STATE_PATH=$runtime/state \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --disable-shm=yes \
        --use-pid-file=no --log-target=file:"$runtime/pulse.log" \
        -L "module-null-sink sink_name=picturebook rate=44100" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$runtime/native" \
        >/dev/null 2>&1 &
    pids="$pids $!"
    await $! test -S "$runtime/native" || fail "pulseaudio did not start; see $runtime/pulse.log"
    # With a server named, a client never spawns one of its own.
    echo "PULSE_SERVER=unix:$runtime/native"
    echo "PULSE_SINK=picturebook"
    echo "PULSE_CLIENTCONFIG=$runtime/client.conf"
    echo "XDG_RUNTIME_DIR=$runtime"
    echo "PICTUREBOOK_PULSE_PID=$!"
fi

if $bus; then
    command -v dbus-daemon >/dev/null || fail "dbus-daemon is not installed"
    dbus-daemon --session --nofork --print-address=3 3>"$runtime/bus" >/dev/null 2>&1 &
    pids="$pids $!"
    await $! test -s "$runtime/bus" || fail "the session bus did not start"
    echo "DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$runtime/bus")"
    echo "PICTUREBOOK_BUS_PID=$!"
fi

echo READY
# Until told to end, or until every server has gone.
wait
