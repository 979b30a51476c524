#!/usr/bin/env bash
# Runs a command on a session bus of its own with the accessibility (AT-SPI)
# bus up and Qt's bridge on, on a display of its own, as the game runs beside
# a screen reader: X (under-x.sh), or with --wayland a Wayland compositor and
# no X server (under-weston.sh). Exits 77 (skipped) when the tools are missing.
#   on-bus.sh [--wayland] COMMAND...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
display=(Xvfb openbox)
runner=$here/../realtime/under-x.sh
if [ "${1:-}" = --wayland ] || [ "${2:-}" = --wayland ]; then
  display=(weston)
  runner=$here/../wayland/under-weston.sh
fi
for tool in dbus-run-session "${display[@]}"; do
  if ! command -v "$tool" >/dev/null; then
    echo "on-bus: $tool is missing (scripts/setup.sh test installs it); skipped" >&2
    exit 77
  fi
done
if [ ! -x "$launcher" ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  echo "on-bus: at-spi2-core or python3-pyatspi is missing; skipped" >&2
  exit 77
fi
if [ "${1:-}" != --inside ]; then
  exec dbus-run-session -- "$0" --inside "$@"
fi
shift
if [ "${1:-}" = --wayland ]; then
  shift
fi
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill "$bus" 2>/dev/null || true' EXIT
# The accessibility bus is up once the session bus can tell its address.
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 && break
  sleep 0.1
done
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
"$runner" "$@"
