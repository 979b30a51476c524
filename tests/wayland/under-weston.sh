#!/usr/bin/env bash
# Runs a command on a headless Wayland compositor of its own (weston) with no X server
# and no XWayland, as a player's Wayland session without X would be.
set -euo pipefail
if ! command -v weston >/dev/null; then
  echo "under-weston: weston is missing (scripts/setup.sh test installs it)" >&2
  exit 1
fi
dir=$(mktemp -d)
cleanup() {
  [ -n "${compositor:-}" ] && kill "$compositor" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$dir"
}
trap cleanup EXIT
# A runtime folder of its own: CI runs as root without one, and parallel runs must not
# share a socket.
export XDG_RUNTIME_DIR=$dir/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
socket=kobusato-$$
unset DISPLAY
weston --backend=headless-backend.so --socket="$socket" --width=1280 --height=800 \
  --idle-time=0 --log="$dir/weston.log" >/dev/null 2>&1 &
compositor=$!
for _ in $(seq 100); do
  [ -S "$XDG_RUNTIME_DIR/$socket" ] && break
  kill -0 "$compositor" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$XDG_RUNTIME_DIR/$socket" ]; then
  echo "under-weston: weston did not start" >&2
  cat "$dir/weston.log" >&2
  exit 1
fi
export WAYLAND_DISPLAY=$socket
export QT_QPA_PLATFORM=wayland
set +e
"$@"
status=$?
set -e
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
  echo "under-weston: the compositor's log:" >&2
  tail -n 30 "$dir/weston.log" >&2
fi
exit "$status"
