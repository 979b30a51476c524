#!/usr/bin/python3
"""Listens on the AT-SPI bus while a program runs, as a screen reader would.

  listen.py count CMD...          accessibility events a second while the
                                  program's rolls run (between its lines
                                  "rolls: begin" and "rolls: end"); fails above
                                  the limit (KOBUSATO_EVENT_LIMIT, default 5)
  listen.py announcements CMD...  the object:announcement events the program
                                  causes must be, in order, the texts it says
                                  it sent ("said: ..." lines)

  listen.py pause CMD...          asks the program about its window once it says
                                  "pause: ready" and again at "pause: begin": the
                                  answer must come within 0.5 s while it pauses;
                                  then presses its Stop! button

  listen.py beside CMD...         only listens, and says how many events came
                                  (a benchmark run with a listener on the bus)

Exits 77 when the program says "skip: ...".
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

mode = sys.argv[1]
cmd = sys.argv[2:]
limit = float(os.environ.get("KOBUSATO_EVENT_LIMIT", "5"))

events = []  # (time, type, text)
said = []
marks = {}
skipped = []


def on_event(e):
    text = ""
    if e.type.startswith("object:announcement"):
        text = str(e.any_data)
    events.append((time.monotonic(), str(e.type), text))


pyatspi.Registry.registerEventListener(on_event, "object", "window", "focus")
time.sleep(0.5)  # the registry tells the toolkits that someone listens

proc = subprocess.Popen(cmd, stdout=subprocess.PIPE, text=True, bufsize=1)
answers = {}  # line -> seconds the program took to answer, or the error


def ask_program(mark):
    t0 = time.monotonic()
    try:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == proc.pid:
                # Extents are never cached on this side: the program itself answers.
                app[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                answers[mark] = time.monotonic() - t0
                if mark == "pause: begin":
                    stop = pyatspi.findDescendant(
                        app, lambda a: a is not None and a.name == "Stop!"
                        and a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
                    if stop is None:
                        answers[mark] = "no Stop! button on the bus"
                    else:
                        stop.queryAction().doAction(0)
                return
        answers[mark] = "the program is not on the bus"
    except Exception as e:  # noqa: BLE001 - a timeout is the failure being looked for
        answers[mark] = f"{e} after {time.monotonic() - t0:.1f} s"

loop = GLib.MainLoop()


def on_line(source, condition):
    line = source.readline()
    if not line:
        loop.quit()
        return False
    line = line.rstrip("\n")
    print(line, flush=True)
    if line in ("rolls: begin", "rolls: end"):
        marks[line] = time.monotonic()
    elif line.startswith("said: "):
        said.append(line[len("said: "):])
    elif line.startswith("skip: "):
        skipped.append(line)
    elif line in ("pause: ready", "pause: begin"):
        ask_program(line)
    return True


GLib.io_add_watch(proc.stdout, GLib.PRIORITY_DEFAULT, GLib.IO_IN | GLib.IO_HUP, on_line)
GLib.timeout_add_seconds(240, loop.quit)
# The bus's events reach on_event through this loop too.
loop.run()
status = proc.wait()
if skipped:
    print("listen: " + skipped[0][len("skip: "):])
    sys.exit(77)
if status != 0:
    print(f"listen: the program failed ({status})")
    sys.exit(1)

if mode == "beside":
    print(f"listen: {len(events)} accessibility events while the program ran")
    sys.exit(0)

if mode == "count":
    begin, end = marks.get("rolls: begin"), marks.get("rolls: end")
    if begin is None or end is None:
        print("listen: the program never ran its rolls")
        sys.exit(1)
    during = [e for e in events if begin <= e[0] <= end]
    kinds = {}
    for _, kind, _ in during:
        kinds[kind] = kinds.get(kind, 0) + 1
    rate = len(during) / (end - begin)
    everything = {}
    for _, kind, _ in events:
        everything[kind] = everything.get(kind, 0) + 1
    print(f"listen: {len(during)} events in {end - begin:.1f} s while the rolls ran: "
          f"{rate:.1f} a second (limit {limit:g}); all events: {len(events)}")
    for kind, n in sorted(kinds.items(), key=lambda kv: -kv[1]):
        print(f"  {n:6d}  {kind}")
    print("listen: the whole run:")
    for kind, n in sorted(everything.items(), key=lambda kv: -kv[1]):
        print(f"  {n:6d}  {kind}")
    sys.exit(0 if rate <= limit else 1)

if mode == "pause":
    for mark in ("pause: ready", "pause: begin"):
        print(f"listen: asked at \"{mark}\": {answers.get(mark)}")
    late = [m for m in ("pause: ready", "pause: begin")
            if not isinstance(answers.get(m), float) or answers[m] > 0.5]
    sys.exit(1 if late else 0)

heard = [text for _, kind, text in events if kind.startswith("object:announcement")]
print(f"listen: {len(heard)} announcements on the bus, {len(said)} sent")
for text in heard:
    print("  heard: " + text)
if not said:
    print("listen: the program sent nothing")
    sys.exit(1)
if heard != said:
    print("listen: what arrived differs from what was sent")
    sys.exit(1)
# Orca 48 drops an announcement that comes within 0.1 s of the last one from the program.
times = [t for t, kind, _ in events if kind.startswith("object:announcement")]
close = [(b - a) for a, b in zip(times, times[1:]) if b - a < 0.1]
if close:
    print(f"listen: {len(close)} announcements came within 0.1 s of the one before "
          f"(closest {min(close) * 1000:.0f} ms)")
    sys.exit(1)
sys.exit(0)
