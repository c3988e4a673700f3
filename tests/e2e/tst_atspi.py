#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The picturebook developers
# SPDX-License-Identifier: MIT

"""The reader as a screen reader meets it: tst_atspi.py <picturebook executable>

On a private X server and session bus with the screen-reader switch on, through the AT-SPI client
library, what a listener with Orca does not meet on the way through a story (tst_orca.py): the
window's name, the pictures' names, the buttons' press actions, and the line and its speaker as
the reading page's own name and description.
"""

import os
import subprocess
import sys

from readeraccess import (STARTUP, caption, expect, focus_reader_window, in_readers_language,
                          private_desktop, run_test, speaker_names, story_captions, story_lines,
                          ui_string, wait_for)

REACTION = 2.0  # seconds a reader may wait for a page to change


def accessible_name(form, widget):
    return ui_string(form, widget, "accessibleName")


def on_show(node, pyatspi, found):
    """(role, name, description, focused) of everything on show, with the object, depth first."""
    for child in node:
        state = child.getState() if child is not None else None
        if state is not None and state.contains(pyatspi.STATE_SHOWING):
            found.append(((child.getRoleName(), child.name, child.description,
                           state.contains(pyatspi.STATE_FOCUSED)), child))
            on_show(child, pyatspi, found)
    return found


def run(program, tmp, start, cleanups):
    env = private_desktop(tmp, cleanups)
    os.environ.update(env)  # the client library reads them on first use
    import pyatspi

    with open(os.path.join(tmp, "reader.log"), "wb") as log:
        start([program], env, stdout=log, stderr=subprocess.STDOUT)
    apps = []
    expect(wait_for(lambda: apps.extend(a for a in pyatspi.Registry.getDesktop(0)
                                        if a is not None and a.name == "picturebook") or apps,
                    STARTUP), "the program never appeared on the accessibility bus")

    def shows(wanted, what, timeout=REACTION):
        seen = []

        def check():
            seen[:] = on_show(apps[0], pyatspi, [])
            return wanted([row for row, _ in seen])
        expect(wait_for(check, timeout), f"expected {what}; on show: {[row for row, _ in seen]}")
        return {row[1]: node for row, node in seen if row[0] == "push button"}

    def buttons(*captions, timeout=REACTION):
        return shows(lambda rows: all(("push button", c) in [r[:2] for r in rows]
                                      for c in captions), f"buttons {captions}", timeout)

    def press(button):
        action = button.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        expect("Press" in names, f"{button.name!r} to offer Press, not {names}")
        action.doAction(names.index("Press"))

    title = caption("pages/formtitle.ui", "PB_Start")
    on_title = buttons(title, timeout=STARTUP)
    # The window's name is its title, which a translation of the title carries along.
    window = in_readers_language("MainWindow")
    expect(("frame", window) in [(a.getRoleName(), a.name) for a in apps[0]],
           f"the window's accessible name is not its title {window!r}")
    pictures = {"pages/formtitle.ui": "label_2", "pages/formcontents.ui": "label"}

    def picture_shown(form):
        name = accessible_name(form, pictures[form])
        shows(lambda rows: ("image", name) in [r[:2] for r in rows],
              f"the picture of {form} named {name!r}")

    picture_shown("pages/formtitle.ui")
    expect(focus_reader_window(env), "the window did not take the keyboard")
    press(on_title[title])
    stories = story_captions()
    on_contents = buttons(*stories)
    picture_shown("pages/formcontents.ui")
    press(on_contents[stories[0]])

    names = speaker_names()
    speakers = {1: "", 2: names["bride"], 3: names["wolf"]}
    records = story_lines("ruvello")
    next_caption = in_readers_language(caption("novel/formnovel.ui", "PB_Page"))

    # The page names its line and describes it with its speaker, the bride's and
    # then the narrator's; "Next" has the focus and its action turns the page.
    for i in range(2):
        line, speaker = records[i][0], speakers[records[i][1]]
        on_page = shows(lambda rows: any(r[1:3] == (line, speaker) for r in rows)
                        and ("push button", next_caption, "", True) in rows,
                        f"{line!r} by {speaker!r}, and {next_caption!r} with the focus")
        if i == 0:
            press(on_page[next_caption])
    return 0


if __name__ == "__main__":
    sys.exit(run_test("pb-atspi-", run))
