#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a player gets:
# the program and its data, a launcher and metainfo that validate, the icons
# and the manual page; then plays the installed program under Xvfb (a new game
# and a save) and finds the save in the user's data folder, with nothing
# written below the installed data folder. A copy of the build's program
# folder must still keep its save below itself. Installed again to another
# prefix, the launcher starts the program installed there. Without a display
# the program answers --help and --version, and says what is missing.
# Usage: installed_game.sh <build dir> <prefix> <program dir> <data dir> <id>
set -euo pipefail
build=$1 prefix=$2 bindir=$3 datadir=$4 id=$5

for tool in desktop-file-validate appstreamcli Xvfb xdotool rsvg-convert gio; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (scripts/setup.sh test installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

root=$work/root
DESTDIR=$root cmake --install "$build" >/dev/null
top=$root$prefix
program=$top/$bindir/kobusato
data=$top/$datadir
share=$top/share

# --- the installed tree -----------------------------------------------------
[ -x "$program" ] || fail "no program at $program"
for f in Enemy.dat Bukidata2.dat Bougyo.dat Midis/Normal.mid Midis/Battle.mid Midis/staff.mid; do
  [ -s "$data/$f" ] || fail "no $f in $data"
done
[ "$(ls "$data"/Bmps/*.bmp | wc -l)" -eq 26 ] || fail "the ending's flip-book is not whole"
[ "$(ls "$data"/Jpegs/*.jpg | wc -l)" -eq 11 ] || fail "the ending's stills are not whole"
[ ! -e "$data/Data" ] || fail "an installed game has no save folder of its own"
[ -s "$data/translations/kobusato_en.qm" ] || fail "no English translation in $data"
[ "$(ls "$data"/Bmps/en/*.bmp | wc -l)" -gt 0 ] && [ "$(ls "$data"/Jpegs/en/*.jpg | wc -l)" -gt 0 ] ||
  fail "no English pictures for the ending"
set +e
said=$("$program" --lang=xx 2>&1 >/dev/null)
status=$?
set -e
[ "$status" -eq 2 ] && grep -q -- '--lang' <<<"$said" || fail "--lang=xx: status $status, said: $said"

desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "the launcher does not validate"
# The game has no public homepage, and from AppStream 1.0 on a missing one is a warning
# that fails the validation; that one warning is let through, and only that one.
set +e; out=$(appstreamcli validate --no-net "$metainfo" 2>&1); status=$?; set -e
others=$(grep -E '^(E|W):' <<<"$out" | grep -vE '^W: [^ ]+: url-homepage-missing$' || true)
if [ -n "$others" ] || { [ "$status" -ne 0 ] && ! grep -q 'url-homepage-missing' <<<"$out"; }; then
  echo "$out"
  fail "the metainfo has errors or warnings"
fi
grep -q '<developer id=' "$metainfo" || fail "the metainfo names no developer"
grep -q '<lang>en</lang>' "$metainfo" || fail "the metainfo does not list the English translation"
grep -qx "Icon=$id" "$desktop" || fail "the launcher does not name the icon $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 16 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -s "$png" ] || fail "no ${size}px icon"
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
                  awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}px icon is ${w}x${h}"
done
rsvg-convert -w 48 "$share/icons/hicolor/scalable/apps/$id.svg" -o "$work/svg.png" ||
  fail "the scalable icon does not render"
gzip -t "$share/man/man6/kobusato.6.gz" || fail "no manual page"
[ -s "$share/doc/kobusato/copyright" ] || fail "no copyright file"

# --- without a display -------------------------------------------------------
# --help and --version answer on standard output; a display that cannot be
# opened gets one line that names it and status 1, never Qt's abort.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help) ||
  fail "--help failed"
grep -q -- '--version' <<<"$out" || fail "--help does not tell the options: $out"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version) ||
  fail "--version failed"
[[ $out =~ ^kobusato\ [0-9]+\.[0-9]+ ]] || fail "--version says: $out"
free=200
while [ -e "/tmp/.X$free-lock" ] || [ -e "/tmp/.X11-unix/X$free" ]; do free=$((free + 1)); done
for display in unset "" ":$free"; do
  if [ "$display" = unset ]; then
    set +e; env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>"$work/err"; rc=$?; set -e
    named="(DISPLAY is not set)"
  else
    set +e; env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" 2>"$work/err"; rc=$?; set -e
    named=${display:-DISPLAY is empty}
  fi
  [ "$rc" -eq 1 ] || fail "DISPLAY=$display: exit status $rc"
  [ "$(wc -l <"$work/err")" -eq 1 ] && grep -qF "$named" "$work/err" && grep -q 'xvfb-run' "$work/err" ||
    fail "DISPLAY=$display: $(cat "$work/err")"
done

# The display Qt was told to open with -display is the one named, and with a
# Wayland display set both that and X are.
set +e; env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" -display ":$free" 2>"$work/err"; rc=$?; set -e
[ "$rc" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -qF "\":$free\" (-display)" "$work/err" ||
  fail "-display :$free: status $rc, $(cat "$work/err")"
mkdir -m 700 "$work/runtime"
set +e; env -u DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY=kobusato-none \
  "$program" 2>"$work/err"; rc=$?; set -e
[ "$rc" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -qF '"kobusato-none" (WAYLAND_DISPLAY)' "$work/err" &&
  grep -qF '(DISPLAY is not set)' "$work/err" || fail "WAYLAND_DISPLAY=kobusato-none: status $rc, $(cat "$work/err")"

# --- playing ----------------------------------------------------------------
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")
export QT_QPA_PLATFORM=xcb
unset XDG_DATA_HOME XDG_CONFIG_HOME XDG_CACHE_HOME XDG_STATE_HOME
# A relative XDG_DATA_HOME is invalid and ignored: the save still goes to
# ~/.local/share, never below the folder the game was started from.
export XDG_DATA_HOME=rel/dir
start=$work/start
mkdir "$start"

# Starts the program with a fresh home, begins a game and saves it; leaves
# the program running.
play_and_save() {
  local program=$1 home=$2
  mkdir -p "$home"
  (cd "$start" && HOME=$home exec "$program") >"$home.log" 2>&1 &
  game_pid=$!
  local frame
  frame=$(timeout 30 xdotool search --sync --onlyvisible --name '^Kobusato$' | head -n1) ||
    fail "the main window did not appear"
  xdotool windowfocus --sync "$frame"
  sleep 1
  xdotool key ctrl+n
  sleep 1.5
  xdotool type --delay 80 abc
  xdotool key Return
  sleep 2
  # The town menu's first button has the focus; the fourth is セーブ.
  xdotool key --delay 150 Tab Tab Tab space
  timeout 20 xdotool search --sync --onlyvisible --name '^確認$' >/dev/null ||
    fail "the save question did not appear"
  sleep 0.5
  xdotool key y
}

# The record, once written.
wait_for_save() {
  local file=$1
  for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.1; done
  [ -f "$file" ] || fail "no save at $file"
  [ "$(stat -c %s "$file")" -eq 554 ] || fail "the save at $file is not one 554-byte record"
}

stop_game() {
  kill "$game_pid" 2>/dev/null || true
  wait "$game_pid" 2>/dev/null || true
  # Not a child when the launcher started it.
  while [ -e "/proc/$game_pid" ]; do sleep 0.1; done
  game_pid=
}

# An installed game saves in the user's data folder.
touch "$work/before"
sleep 1
play_and_save "$program" "$work/home"
wait_for_save "$work/home/.local/share/kobusato/Data/Data.dat"
stop_game
written=$(find "$root" -newer "$work/before")
[ -z "$written" ] || fail "the installed game wrote below its install: $written"
[ -z "$(ls -A "$start")" ] || fail "the game saved below the folder it was started from"

# A copied program folder is a portable game: its save stays inside it.
cp -r "$build/game" "$work/portable"
rm -rf "$work/portable/Data"
play_and_save "$work/portable/kobusato" "$work/home2"
wait_for_save "$work/portable/Data/Data.dat"
stop_game
[ ! -e "$work/home2/.local/share/kobusato" ] || fail "the portable game saved in the home folder"

# --- the launcher -------------------------------------------------------------
# Installed to a prefix other than the configured one, with a space in it, the
# launcher starts the program installed there, as the desktop's menu does.
other="$work/other games"
cmake --install "$build" --prefix "$other" >/dev/null
mkdir -p "$work/home3"
HOME=$work/home3 gio launch "$other/share/applications/$id.desktop" ||
  fail "the launcher does not start"
frame=$(timeout 30 xdotool search --sync --onlyvisible --name '^Kobusato$' | head -n1) ||
  fail "the launcher started no game"
game_pid=$(xdotool getwindowpid "$frame")
started=$(readlink "/proc/$game_pid/exe")
stop_game
[ "$started" = "$other/$bindir/kobusato" ] || fail "the launcher started $started"
echo "installed and portable games save where they should; the launcher starts the game"
