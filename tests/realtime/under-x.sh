#!/usr/bin/env bash
# Runs a test program on a display of its own (Xvfb) with a window manager
# (openbox), as a player's desktop would: focus, activation and the real clock.
set -euo pipefail
for tool in Xvfb openbox; do
  if ! command -v "$tool" >/dev/null; then
    echo "under-x: $tool is missing (scripts/setup.sh test installs it)" >&2
    exit 1
  fi
done
dir=$(mktemp -d)
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT
# Xvfb picks a free display and tells it, so parallel runs do not collide.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$dir/display" ] && break
  sleep 0.1
done
[ -s "$dir/display" ] || { echo "under-x: Xvfb did not start" >&2; cat "$dir/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$dir/display")"
openbox --sm-disable >"$dir/openbox.log" 2>&1 &
wm=$!
# The window manager is up once it has claimed the screen.
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
export QT_QPA_PLATFORM=xcb
"$@"
