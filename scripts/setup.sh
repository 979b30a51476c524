#!/usr/bin/env bash
# Installs the Debian packages the game needs to build and run, when missing.
# Usage: scripts/setup.sh play|test
set -euo pipefail

common=(g++ cmake ninja-build pkg-config ccache
        qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland qt6-translations-l10n qt6-l10n-tools libgl-dev
        libfluidsynth-dev abcmidi
        fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation fonts-motoya-l-maruberi
        fonts-quicksand)
case "${1:-play}" in
  play) extra=(fluid-soundfont-gm) ;;
  test) extra=(timgm6mb-soundfont libgtest-dev libgmock-dev libbenchmark-dev clang
               at-spi2-core python3-pyatspi dbus-bin
               pulseaudio pulseaudio-utils
               xvfb xauth xdotool openbox x11-utils weston libxcb1-dev
               librsvg2-bin desktop-file-utils appstream libglib2.0-bin lintian dpkg-dev) ;;
  *) echo "usage: $0 play|test" >&2; exit 2 ;;
esac

missing=()
for p in "${common[@]}" "${extra[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
