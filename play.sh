#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh play
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOBUSATO_TESTS=OFF -DKOBUSATO_BENCH=OFF >/dev/null
cmake --build build -j2
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
No display found (DISPLAY is not set), so the game window cannot open here.
Run it on a desktop session, or under a virtual display:
  sudo apt-get install xvfb xauth
  xvfb-run -s '-screen 0 1280x800x24' build/game/kobusato
MSG
  exit 1
fi
exec build/game/kobusato
