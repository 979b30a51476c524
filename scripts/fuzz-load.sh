#!/usr/bin/env bash
# Fuzzes with libFuzzer, for a bounded time each, the game's load paths: the
# save file's and the music's (a MIDI file handed to FluidSynth's player), and
# the two steps of the music's that read a file with code of the game's own:
# the scout (a MIDI file's notes) and the SoundFont cut (its preset lists),
# each within a memory and a time limit per input.
#   scripts/fuzz-load.sh [seconds]   (default 60 each)
set -euo pipefail
cd "$(dirname "$0")/.."
secs=${1:-60}
out=build-fuzz
mkdir -p "$out/corpus" "$out/midi-corpus" "$out/scout-corpus" "$out/cut-corpus"
qt=$(pkg-config --cflags --libs Qt6Core)
fluid=$(pkg-config --cflags --libs fluidsynth)
sanitize=(-fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
# Two at a time, one to a core.
build() { clang++ -std=c++20 -g -O1 -fPIC "${sanitize[@]}" -I. "$@"; }
music=(platform/FluidMidi.cpp platform/PlayerSettings.cpp platform/Settings.cpp
       platform/RegularFile.cpp platform/Say.cpp platform/music/*.cpp)
build tests/fuzz/LoadFuzzer.cpp state/SaveRecord.cpp state/GameState.cpp state/I16.cpp \
  platform/Cp932.cpp platform/RecordFile.cpp platform/RegularFile.cpp platform/Process.cpp $qt \
  -o "$out/load_fuzzer" &
first=$!
build tests/fuzz/MidiFuzzer.cpp "${music[@]}" $qt $fluid -o "$out/midi_fuzzer" &
second=$!
wait "$first"
wait "$second"
build tests/fuzz/ScoutFuzzer.cpp "${music[@]}" $qt $fluid -o "$out/scout_fuzzer" &
first=$!
build tests/fuzz/SoundFontCutFuzzer.cpp platform/music/SoundFontCut.cpp platform/RegularFile.cpp $qt \
  -o "$out/cut_fuzzer" &
second=$!
wait "$first"
wait "$second"

# A valid record to start from, so the fuzzer explores real saves too.
python3 - "$out/corpus/seed" <<'PY'
import sys, struct
rec = bytearray(554)
for off, v in [(0,10),(2,8),(4,2),(6,5),(8,1),(10,100),(14,1),(128,10),(132,5)]:
    struct.pack_into('<h', rec, off, v)
for off, text in [(28,'折れそうなバット'),(58,'ノーマルな服'),(92,'たろう')]:
    b = text.encode('cp932')[:30]
    rec[off:off+30] = b + b' ' * (30 - len(b))
open(sys.argv[1], 'wb').write(rec)
PY

# The game's own tracks, whole, cut short and with bytes changed, as a player
# may drop them in, and a GS file that makes channel 11 a drum part.
for abc in assets/music/*.abc; do
  abc2midi "$abc" -o "$out/midi-corpus/$(basename "$abc" .abc).mid" -silent >/dev/null
done
python3 - "$out/midi-corpus" <<'PY'
import os, random, struct, sys
out = sys.argv[1]
rng = random.Random(17)
for name in sorted(os.listdir(out)):
    if not name.endswith('.mid') or '-' in name:
        continue
    data = open(os.path.join(out, name), 'rb').read()
    stem = name[:-4]
    for share in (0.02, 0.3, 0.7):
        open(os.path.join(out, f'{stem}-cut{int(share * 100)}.mid'), 'wb').write(data[:int(len(data) * share)])
    changed = bytearray(data)
    for _ in range(8):
        changed[rng.randrange(14, len(changed))] = rng.randrange(256)
    open(os.path.join(out, f'{stem}-changed.mid'), 'wb').write(bytes(changed))
def var(v):
    b = [v & 0x7f]
    while v := v >> 7:
        b.insert(0, 0x80 | (v & 0x7f))
    return bytes(b)
track = (var(0) + bytes([0xF0, 10, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7])
         + var(0) + bytes([0xF0, 10, 0x41, 0x10, 0x42, 0x12, 0x40, 0x1A, 0x15, 0x02, 0x0F, 0xF7])
         + var(0) + bytes([0x9A, 38, 110]) + var(240) + bytes([0x8A, 38, 0])
         + var(480) + bytes([0xFF, 0x2F, 0]))
open(os.path.join(out, 'gs-drums.mid'), 'wb').write(
    b'MThd' + struct.pack('>IHHH', 6, 0, 1, 480) + b'MTrk' + struct.pack('>I', len(track)) + track)
PY

# The scout starts from the same files, and from one that changes
# instrument before every note, all at once; the cut from the small General
# MIDI font's preset lists, from lists whose presets overlap, and from lists
# that start past their first bag.
cp "$out"/midi-corpus/*.mid "$out/scout-corpus/"
python3 - "$out" /usr/share/sounds/sf2/TimGM6mb.sf2 <<'PY'
import os, struct, sys
out, font = sys.argv[1], sys.argv[2]
track = bytearray()
for i in range(3000):
    track += bytes([0, 0xC0, (i % 2) * 40, 0, 0x90, 60 + i % 24, 100])
track += bytes([0, 0xFF, 0x2F, 0])
open(os.path.join(out, 'scout-corpus', 'alternating.mid'), 'wb').write(
    b'MThd' + struct.pack('>IHHH', 6, 0, 1, 480) + b'MTrk' + struct.pack('>I', len(track)) + track)
def chunk(cid, body):
    return cid + struct.pack('<I', len(body)) + body
lists = b''
if os.path.exists(font):
    data = open(font, 'rb').read()
    pos = 12
    while pos + 12 <= len(data):
        size = struct.unpack_from('<I', data, pos + 4)[0]
        if data[pos + 8:pos + 12] == b'pdta':
            lists = data[pos + 12:pos + 8 + size]
            break
        pos += 8 + size + (size & 1)
if lists:
    open(os.path.join(out, 'cut-corpus', 'small-font'), 'wb').write(lists)
    at = lists.index(b'phdr') + 8
    n = struct.unpack_from('<I', lists, at - 4)[0] // 38
    shifted = bytearray(lists)
    for r in range(n):
        struct.pack_into('<H', shifted, at + 38 * r + 24, struct.unpack_from('<H', lists, at + 38 * r + 24)[0] + 1)
    open(os.path.join(out, 'cut-corpus', 'shifted'), 'wb').write(bytes(shifted))
name = lambda s: s.ljust(20, b'\0')
bags = 200
phdr = b''
for p in range(4):
    phdr += name(b'overlap') + struct.pack('<HHH', p, 0, 0) + bytes(12)
    phdr += name(b'dummy') + struct.pack('<HHH', p, 1, bags) + bytes(12)
phdr += name(b'EOP') + struct.pack('<HHH', 0, 0, bags) + bytes(12)
pbag = b''.join(struct.pack('<HH', bags if b % 2 else 0, 0) for b in range(bags + 1))
pgen = struct.pack('<HH', 8, 1000) * bags + struct.pack('<HH', 41, 0)
shdr = name(b'sample') + struct.pack('<IIIIIBbHH', 0, 100, 10, 90, 44100, 60, 0, 0, 1) + name(b'EOS') + bytes(26)
overlap = (chunk(b'phdr', phdr) + chunk(b'pbag', pbag) + chunk(b'pmod', bytes(10)) + chunk(b'pgen', pgen)
           + chunk(b'inst', name(b'instrument') + struct.pack('<H', 0) + name(b'EOI') + struct.pack('<H', 1))
           + chunk(b'ibag', struct.pack('<HHHH', 0, 0, 1, 0)) + chunk(b'imod', bytes(10))
           + chunk(b'igen', struct.pack('<HHHH', 53, 0, 0, 0)) + chunk(b'shdr', shdr))
open(os.path.join(out, 'cut-corpus', 'overlapping'), 'wb').write(overlap)
PY

export ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
# Runs one fuzzer to its end, its output kept in a log; says what it found.
fuzz() {
  local log=$1 said=$2
  shift 2
  if "$@" >"$log" 2>&1; then
    tail -n 5 "$log"
    echo "$said"
  else
    tail -n 40 "$log"
    echo "FAILED ($log): $said" >&2
    return 1
  fi
}
# Two fuzzers at a time, one to a core, each for its whole time.
failed=0
fuzz "$out/load.log" "fuzzing the save's load path: ${secs} s, no crash, leak or sanitizer report" \
  "$out/load_fuzzer" -max_total_time="$secs" -max_len=2048 "$out/corpus" &
first=$!
fuzz "$out/midi.log" "fuzzing the music's load path: ${secs} s, no crash, hang, leak or sanitizer report" \
  "$out/midi_fuzzer" -max_total_time="$secs" -max_len=16384 -timeout=20 "$out/midi-corpus" &
second=$!
wait "$first" || failed=1
wait "$second" || failed=1
fuzz "$out/scout.log" "fuzzing the scout: ${secs} s, no crash, hang past 10 s, leak, 2 GB or sanitizer report" \
  "$out/scout_fuzzer" -max_total_time="$secs" -max_len=262144 -timeout=10 -rss_limit_mb=2048 \
  "$out/scout-corpus" &
first=$!
fuzz "$out/cut.log" "fuzzing the SoundFont cut: ${secs} s, no crash, hang past 10 s, leak, 2 GB or sanitizer report" \
  "$out/cut_fuzzer" -max_total_time="$secs" -max_len=524288 -timeout=10 -rss_limit_mb=2048 \
  "$out/cut-corpus" &
second=$!
wait "$first" || failed=1
wait "$second" || failed=1
exit "$failed"
