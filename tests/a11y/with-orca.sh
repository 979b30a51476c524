#!/usr/bin/env bash
# By hand, not in the suite: plays the game by keyboard beside the Orca screen reader
# (orca-session.py), in Japanese and in English, and keeps what Orca spoke in orca-ja.txt and
# orca-en.txt (the whole debug logs beside them). The game's announcements need Qt 6.8 or
# later, so this is run on Debian 13:
#   scripts/in-debian.sh 13 tests/a11y/with-orca.sh
# (the files are then in /var/cache/kobusato/debian-13/root/kobusato/).
set -euo pipefail
cd "$(dirname "$0")/../.."
scripts/setup.sh test
missing=()
for p in orca speech-dispatcher espeak-ng; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
fi
cmake -S . -B build-orca -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOBUSATO_TESTS=OFF \
  -DKOBUSATO_BENCH=OFF >/dev/null
cmake --build build-orca -j2
for lang in ja en; do
  tests/a11y/on-bus.sh /usr/bin/python3 tests/a11y/orca-session.py build-orca/game/kobusato \
    "$lang" "$PWD/orca-$lang.txt"
done
