#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

"""The reader with a real screen reader: tst_orca.py <picturebook executable>

Orca, speaking through speech-dispatcher and espeak-ng into a private PulseAudio null sink, on a
private X server, session bus and accessibility bus. With real keys alone a listener goes from the
title page to the contents and reads the three stories to their ends, one step back and on again
on the way; what Orca says is read from its debug log. Every line and the name of whoever says it
must be spoken soon after the key that shows it, and the focus must be where the listener can
hear it: on a contents button after the title page, and on the story's own button after the
story's end.
"""

import os
import re
import shutil
import subprocess
import sys
import time

from readeraccess import (STARTUP, caption, expect, focus_reader_window, private_desktop,
                          run_test, speaker_names, story_captions, story_lines, wait_for)

HEARD = 1.5  # seconds a listener may wait, after a key, to hear what it brought


def start_orca(tmp, env, start):
    """speech-dispatcher with espeak-ng and Orca with its debug log; returns the log's path."""
    start(["speech-dispatcher", "--run-single", "--timeout", "0", "--log-dir", tmp], env,
          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    expect(wait_for(lambda: os.path.exists(
        os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")),
                    STARTUP), "speech-dispatcher did not start")

    log = os.path.join(tmp, "orca.log")
    start([sys.executable, "-c", ORCA_LAUNCHER, "--user-prefs", os.path.join(tmp, "orca"),
           "--debug-file", log], env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return log


# Orca's own launcher, with two changes for a private desktop. Its --replace and its check for
# "another Orca" look for every process named orca of this user, on any display: they would kill,
# or give way to, a screen reader that is no concern of this test. And the debug log is written
# through a buffer, so each line is flushed at once: the test times what Orca says by it.
ORCA_LAUNCHER = """
import sys
launcher = {"__name__": "orca_launcher", "__file__": "/usr/bin/orca"}
with open("/usr/bin/orca", encoding="utf-8") as source:
    exec(compile(source.read(), "/usr/bin/orca", "exec"), launcher)
launcher["otherOrcas"] = lambda: []
from orca import debug
println = debug.println
def flushed(*args, **kwargs):
    println(*args, **kwargs)
    if debug.debugFile:
        debug.debugFile.flush()
debug.println = flushed
sys.argv[0] = "orca"
sys.exit(launcher["main"]())
"""


def spoken_form(text):
    return " ".join(text.split())


class Listener:
    """What Orca has said, from its debug log, since the last key."""

    SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'", re.S)

    def __init__(self, log):
        self.log = log
        self.read = 0  # bytes of the log read so far
        self.unread = b""  # the start of a line still being written
        self.said = []  # every utterance so far
        self.heard = 0  # utterances before the last key
        self.since = time.monotonic()

    def spoken(self):
        try:
            with open(self.log, "rb") as log:
                log.seek(self.read)
                new = log.read()
        except FileNotFoundError:
            return self.said
        self.read += len(new)
        text, _, self.unread = (self.unread + new).rpartition(b"\n")
        self.said += [spoken_form(s)
                      for s in self.SPOKEN.findall(text.decode("utf-8", errors="replace"))]
        return self.said

    def key_pressed(self):
        self.heard = len(self.spoken())
        self.since = time.monotonic()

    def hears(self, *wanted, timeout=HEARD):
        """Waits until the wanted texts have been said, in this order, since the last key;
        returns how long that took and what was said."""
        wanted = [spoken_form(w) for w in wanted if w]
        said = []

        def in_order():
            said[:] = self.spoken()[self.heard:]
            at, speech = 0, " ".join(said)
            for w in wanted:
                at = speech.find(w, at)
                if at < 0:
                    return False
                at += len(w)
            return True
        ok = wait_for(in_order, timeout - (time.monotonic() - self.since), step=0.02)
        expect(ok, f"expected to hear {wanted} within {timeout} s; Orca said {said}")
        return time.monotonic() - self.since, " ".join(said)


def run(program, tmp, start, cleanups):
    env = private_desktop(tmp, cleanups)
    listener = Listener(start_orca(tmp, env, start))
    listener.hears("Screen reader on", timeout=STARTUP)

    with open(os.path.join(tmp, "reader.log"), "wb") as log:
        start([program], env, stdout=log, stderr=subprocess.STDOUT)
    expect(focus_reader_window(env), "the program's window never appeared")
    listener.key_pressed()
    listener.hears(caption("pages/formtitle.ui", "PB_Start"), timeout=STARTUP)

    def key(name):
        listener.key_pressed()
        subprocess.run(["xdotool", "key", name], env=env, timeout=10, check=True)

    # The title page's button, then each story's in turn, is what has the focus.
    stories = story_captions()
    for press, story in zip(("space", "Tab", "Tab"), stories):
        key(press)
        listener.hears(story)

    names = speaker_names()
    # Lines with speaker 0 keep the name already on show.
    speakers = {1: "", 2: names["bride"], 3: names["wolf"]}
    delays = []
    # The bottom story first; back on the contents page its button has the focus, and Tab
    # goes on to the top one, then to the middle one.
    for number, story in ((2, "sorinda"), (0, "ruvello"), (1, "tovane")):
        if number != 2:
            key("Tab")
            listener.hears(stories[number])
        # The first space opens the story, each next one shows its next line: the listener
        # hears who speaks, if the name box shows it, and then the line.
        speaker, heard = "", []
        for line, code in story_lines(story):
            speaker = speakers.get(code, speaker)
            key("space")
            delay, said = listener.hears(speaker, line)
            delays.append(delay)
            heard.append((speaker, line))
            for name in names.values():
                expect(speaker == name or spoken_form(f"{name} {line}") not in said,
                       f"{line!r} is not {name}'s, but Orca said {said!r}")
            if number == 2 and len(heard) == 4:
                # A step back brings the line before again, and a step on this one.
                for back_or_on, was in (("Left", heard[-2]), ("Right", heard[-1])):
                    key(back_or_on)
                    listener.hears(*was)
        key("space")
        listener.hears(stories[number])
    delays.sort()
    print(f"{len(delays)} lines heard, each {delays[len(delays) // 2] * 1000:.0f} ms after its key"
          f" (median), {delays[-1] * 1000:.0f} ms at most")
    return 0


def keep_orca_log(tmp):
    """For a look at everything Orca did."""
    if os.environ.get("PICTUREBOOK_ORCA_LOG") and os.path.exists(tmp + "/orca.log"):
        shutil.copy(tmp + "/orca.log", os.environ["PICTUREBOOK_ORCA_LOG"])


if __name__ == "__main__":
    sys.exit(run_test("pb-orca-", run, keep_orca_log))
