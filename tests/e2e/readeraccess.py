# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

"""What the screen-reader tests (tst_atspi.py, tst_orca.py) share: waiting with a bound, the
captions and names the forms give their widgets, the speakers' names and the story lines as the
sources spell them, and giving the reader's window the keyboard."""

import pathlib
import re
import subprocess
import sys
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


def focus_reader_window(env, timeout=STARTUP):
    """What a window manager does for a window that opens: it gets the keyboard."""
    command = ["xdotool", "search", "--onlyvisible", "--name", "^MainWindow$", "windowfocus"]
    return wait_for(lambda: subprocess.run(command, env=env, stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL).returncode == 0, timeout)


def stop_process(process):
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
