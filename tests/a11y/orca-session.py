#!/usr/bin/python3
"""Plays the game beside Orca by keyboard, as a player who cannot see would: a new game, one
match to its end, then the ending (through its secret code), and writes down what Orca spoke.

  tests/a11y/with-orca.sh GAME LANG OUT    (starts this on a display and bus of its own)

Keys go to the game through X (xdotool), as a keyboard's would; the accessibility bus is only
looked at, to know which window is up. What Orca said is in OUT.debug (its --debug-file) and,
its spoken lines only, in OUT.
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

game, lang, out = sys.argv[1], sys.argv[2], sys.argv[3]


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "120", *keys], check=True)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "120", text], check=True)


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.get_process_id() == proc.pid:
            return a
    return None


def has(role, name):
    a = app()
    if a is None:
        return False
    pattern = re.compile(name)
    return pyatspi.findDescendant(
        a, lambda acc: acc is not None and acc.getRole() == role
        and pattern.fullmatch(acc.name or "") is not None
        and acc.getState().contains(pyatspi.STATE_SHOWING)) is not None


def wait(what, test, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if proc.poll() is not None:
            sys.exit(f"orca-session: the game ended ({proc.returncode}) waiting for {what}")
        try:
            if test():
                return
        except Exception:  # noqa: BLE001 - windows come and go under the walk
            pass
        time.sleep(0.3)
    sys.exit(f"orca-session: no {what} within {seconds} s")


orca = subprocess.Popen(["orca", "--replace", f"--debug-file={out}.debug"],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(8)  # Orca starts, and tells the bus that a screen reader listens
env = dict(os.environ)
env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)  # Orca itself turns Qt's bridge on
proc = subprocess.Popen([game, f"--lang={lang}"], env=env)
wait("game window", lambda: app() is not None, 30)
time.sleep(3)
subprocess.run(["sh", "-c", "xdotool windowactivate --sync $(xdotool search --onlyvisible"
                " --name '^Kobusato$' | head -n1)"], check=False)
time.sleep(1)
key("ctrl+n")
time.sleep(3)
typed("Ken")
key("Return")
time.sleep(4)
key("Tab", "Tab")  # the town's third button: Battle Start!
time.sleep(2)
key("space")
stop = "Stop!"
wait("match", lambda: has(pyatspi.ROLE_PUSH_BUTTON, stop), 20)
# Return presses Stop! in the match and OK in its message boxes; the match is over when the
# town's menu is back.
town = r"(準備完了.*|Ready.*)"
deadline = time.monotonic() + 300
while time.monotonic() < deadline:
    key("Return")
    time.sleep(3.5)
    if not has(pyatspi.ROLE_PUSH_BUTTON, stop) and has(pyatspi.ROLE_PUSH_BUTTON, town):
        break
else:
    sys.exit("orca-session: the match did not end within 300 s")
time.sleep(4)
key("Prior")  # Page Up: the secret code
time.sleep(3)
typed("Mirae Tosu")
key("Return")
# The ending runs to its staff roll, then asks whether to play again: no ends the game.
time.sleep(10)
wait("question after the ending", lambda: has(pyatspi.ROLE_DIALOG, ".*")
     or has(pyatspi.ROLE_ALERT, ".*"), 400)
time.sleep(8)
key("n")
try:
    proc.wait(timeout=20)
except subprocess.TimeoutExpired:
    proc.terminate()
    proc.wait(timeout=20)
time.sleep(2)
orca.terminate()
orca.wait(timeout=20)

spoken = []
with open(f"{out}.debug", errors="replace") as log:
    for line in log:
        m = re.search(r"SPEECH OUTPUT: '(.*)'", line)
        if m and m.group(1).strip():
            spoken.append(m.group(1))
with open(out, "w") as f:
    f.write("\n".join(spoken) + "\n")
print(f"orca-session: Orca spoke {len(spoken)} times; {out}")
