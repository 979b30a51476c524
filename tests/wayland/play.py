#!/usr/bin/python3
"""Plays the real game on a Wayland display from New game into a match and to Exit.

  play.py GAME [ARGUMENT...]

Run by on-bus.sh --wayland: a headless compositor with no X server and the
accessibility bus up. There is no X to send keys through, so the game is driven as a
screen reader's user drives it, through the accessibility bus: menu items and buttons
pressed by their actions, the name typed into its field.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

game = sys.argv[1:]
if not game:
    sys.exit("usage: play.py GAME [ARGUMENT...]")


def fail(why):
    print(f"FAIL: {why}", flush=True)
    try:
        proc.kill()
        _, err = proc.communicate(timeout=10)
        print("the game said:\n" + err, flush=True)
    except Exception as e:  # noqa: BLE001 - the failure itself is what matters
        print(f"(the game's output could not be read: {e})")
    sys.exit(1)


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if proc.poll() is not None:
            fail(f"the game ended ({proc.returncode}) while waiting for {what}")
        try:
            found = find()
        except Exception:  # noqa: BLE001 - the tree changes under us while windows open
            found = None
        if found is not None:
            return found
        time.sleep(0.2)
    fail(f"no {what} within {seconds} s")


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.get_process_id() == proc.pid:
            return a
    return None


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def find(role, name, enabled=True):
    """The showing control of `role` whose name matches `name` (a regular expression)."""
    a = app()
    if a is None:
        return None
    pattern = re.compile(name)

    def match(acc):
        return (acc is not None and acc.getRole() == role and pattern.fullmatch(acc.name or "")
                and showing(acc)
                and (not enabled or acc.getState().contains(pyatspi.STATE_ENABLED)))

    return pyatspi.findDescendant(a, match, breadth_first=True)


def find_item(name):
    """A menu item, whether its menu is open or not."""
    a = app()
    if a is None:
        return None
    pattern = re.compile(name)
    return pyatspi.findDescendant(
        a, lambda acc: acc is not None and acc.getRole() == pyatspi.ROLE_MENU_ITEM
        and pattern.fullmatch(acc.name or ""), breadth_first=True)


def press(acc, opens_dialog=False):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    index = names.index("Press") if "Press" in names else 0
    try:
        action.doAction(index)
    except GLib.GError as e:
        # Qt answers an action only once it has run, and a modal dialog runs until it is
        # answered: the call times out while the dialog waits. Whether the game is still
        # alive shows in the dialog appearing.
        if not opens_dialog or "Did not receive a reply" not in str(e):
            raise


home = tempfile.mkdtemp(prefix="kobusato-wayland-")
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "XDG_CONFIG_HOME",
                                                         "XDG_DATA_HOME", "XDG_STATE_HOME")}
env["HOME"] = home
if "WAYLAND_DISPLAY" not in env or env.get("QT_QPA_PLATFORM") != "wayland":
    sys.exit("play.py: run by on-bus.sh --wayland")
proc = subprocess.Popen(game + ["--lang=ja"], env=env, stdout=subprocess.DEVNULL,
                        stderr=subprocess.PIPE, text=True)

frame = wait_for("game on the accessibility bus",
                 lambda: find(pyatspi.ROLE_FRAME, "Kobusato", enabled=False))
with open(f"/proc/{proc.pid}/maps") as maps:
    plugins = {m.group(0) for m in re.finditer(r"libq[a-z-]+\.so", maps.read())}
if not any("wayland" in p for p in plugins):
    fail(f"the game did not load Qt's Wayland plugin: {sorted(plugins)}")
if any("xcb" in p for p in plugins):
    fail(f"the game loaded Qt's X plugin: {sorted(plugins)}")
print("the game's window is open on Wayland", flush=True)

press(wait_for("New game in the File menu", lambda: find_item(r"新規ゲーム.*")))
field = wait_for("name field", lambda: find(pyatspi.ROLE_TEXT, "名前"))
field.queryEditableText().setTextContents("ゆうと")
press(wait_for("OK button of the name", lambda: find(pyatspi.ROLE_PUSH_BUTTON, "OK！")))
press(wait_for("town's Battle Start!", lambda: find(pyatspi.ROLE_PUSH_BUTTON, r"準備完了.*")))
print("the match begins", flush=True)

# The rolls' labels keep names of their own, so a label whose text changes after Stop!
# is the game answering: the speed contest's outcome, a hit, the HP.
def label_texts():
    a = app()
    found = []
    pyatspi.findAllDescendants(a, lambda acc: acc is not None and acc.getRole() ==
                               pyatspi.ROLE_LABEL and showing(acc) and found.append(acc.name))
    return found


stop = wait_for("Stop!", lambda: find(pyatspi.ROLE_PUSH_BUTTON, "Stop!"), seconds=60)
before = label_texts()
press(stop)
changed = wait_for("answer to Stop!", lambda: (
    [t for t in label_texts() if t not in before] or None), seconds=30)
print(f"after Stop!: {' / '.join(changed)}", flush=True)

press(wait_for("Exit in the File menu", lambda: find_item(r"終了.*")), opens_dialog=True)
dialog = wait_for("question before exit",
                  lambda: find(pyatspi.ROLE_DIALOG, ".*", enabled=False)
                  or find(pyatspi.ROLE_ALERT, ".*", enabled=False))
yes = wait_for("Yes of the question", lambda: pyatspi.findDescendant(
    dialog, lambda acc: acc is not None and acc.getRole() == pyatspi.ROLE_PUSH_BUTTON
    and re.match(r"(はい|Yes|&Yes)", acc.name or "")))
press(yes)
try:
    _, err = proc.communicate(timeout=30)
except subprocess.TimeoutExpired:
    fail("the game did not end within 30 s of Exit")
if proc.returncode != 0:
    print(err)
    fail(f"the game ended with status {proc.returncode}")
print("the game ended on Exit", flush=True)
