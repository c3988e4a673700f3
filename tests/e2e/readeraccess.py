# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

"""What the screen-reader tests (tst_atspi.py, tst_orca.py) share: waiting with a bound, the
captions and names the forms give their widgets, the speakers' names and the story lines as the
sources spell them, and giving the reader's window the keyboard."""

import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools"))
import storycheck  # noqa: E402

STARTUP = 20.0  # seconds for the program to appear, on a busy machine and under the sanitizers


def expect(ok, message):
    if not ok:
        raise AssertionError(message)


def wait_for(condition, timeout, step=0.05):
    end = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > end:
            return False
        time.sleep(step)
    return True


def ui_string(form, widget_name, prop):
    for widget in ElementTree.parse(ROOT / form).iter("widget"):
        if widget.get("name") == widget_name:
            return widget.find(f"./property[@name='{prop}']/string").text
    raise LookupError(widget_name)


def caption(form, button):
    return ui_string(form, button, "text")


STORY_BUTTONS = ("PB_Ruvello", "PB_Novel", "PB_Sorinda")  # stories 0, 1, 2, top to bottom


def story_captions():
    return [caption("pages/formcontents.ui", b) for b in STORY_BUTTONS]


def speaker_names():
    """{"bride": ..., "wolf": ...}"""
    return dict(re.findall(r'(\w+)Name\[\] = "(.*)";',
                           (ROOT / "scenario" / "speakernames.cpp").read_text(encoding="utf-8")))


def story_lines(story):
    """(line, speaker code) of each record of a story's script (ruvello, tovane, sorinda)."""
    return [(r["text"], r["ints"][1]) for r in storycheck.read_script(story, [])]


# The window's title and the page button's caption for the language the test runs in: the
# program has a Japanese catalog, and keeps the forms' own words in any other language.
JAPANESE = {"MainWindow": "花嫁とおおかみ", "Next": "つぎへ"}


def in_readers_language(text):
    languages = os.environ.get("LANGUAGE") or os.environ.get("LC_ALL") or \
        os.environ.get("LC_MESSAGES") or os.environ.get("LANG") or ""
    return JAPANESE.get(text, text) if languages.startswith("ja") else text


def private_desktop(tmp, cleanups):
    """An X server, a PulseAudio null sink and a session bus of the test's own, with the
    screen-reader switch on; returns the environment every later process runs in."""
    env = dict(os.environ, HOME=tmp, GSETTINGS_BACKEND="memory",
               XDG_CONFIG_HOME=os.path.join(tmp, "config"), XDG_DATA_HOME=os.path.join(tmp, "data"),
               XDG_CACHE_HOME=os.path.join(tmp, "cache"))
    for name in ("WAYLAND_DISPLAY", "XAUTHORITY", "AT_SPI_BUS_ADDRESS", "PULSE_SERVER",
                 "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "SPEECHD_ADDRESS"):
        env.pop(name, None)
    session = subprocess.Popen([str(ROOT / "scripts" / "private-session.sh"), "run",
                                "--display", "--sound", "--bus", os.path.join(tmp, "session")],
                               env=env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, text=True)
    cleanups.append(lambda: (stop_process(session), session.stdout.close()))
    for line in session.stdout:
        if line.strip() == "READY":
            break
        name, _, value = line.strip().partition("=")
        env[name] = value
    expect("DBUS_SESSION_BUS_ADDRESS" in env, "the private X, sound and bus servers did not start")

    from gi.repository import Gio, GLib
    Gio.DBusConnection.new_for_address_sync(
        env["DBUS_SESSION_BUS_ADDRESS"], Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None).call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
        GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True))),
        None, Gio.DBusCallFlags.NONE, 10000, None)
    return env


def focus_reader_window(env, timeout=STARTUP):
    """What a window manager does for a window that opens: it gets the keyboard."""
    command = ["xdotool", "search", "--onlyvisible", "--class", "^picturebook$", "windowfocus"]
    return wait_for(lambda: subprocess.run(command, env=env, stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL).returncode == 0, timeout)


def stop_process(process):
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def run_test(prefix, run, on_exit=None):
    """Runs run(program, tmp, start, cleanups) in a scratch folder, where start(args, env, ...)
    starts a process that ends with the test; says what failed, with what the reader said, and
    returns the exit status. on_exit(tmp) runs last, before anything is stopped."""
    processes, cleanups = [], []

    def start(args, env, **kwargs):
        processes.append(subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, **kwargs))
        return processes[-1]

    with tempfile.TemporaryDirectory(prefix=prefix, ignore_cleanup_errors=True) as tmp:
        try:
            return run(sys.argv[1], tmp, start, cleanups)
        except AssertionError as fault:
            print(f"FAIL: {fault}")
            reader = pathlib.Path(tmp, "reader.log")
            if reader.exists():
                print("The reader said:\n" + reader.read_text(errors="replace"))
            return 1
        finally:
            if on_exit:
                on_exit(tmp)
            for process in reversed(processes):
                stop_process(process)
            for cleanup in reversed(cleanups):
                cleanup()
