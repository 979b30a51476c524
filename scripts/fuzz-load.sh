#!/usr/bin/env bash
# Fuzzes the game's two load paths with libFuzzer for a bounded time each: the
# save file's, and the music's (a MIDI file handed to FluidSynth's player).
#   scripts/fuzz-load.sh [seconds]   (default 60 each)
set -euo pipefail
cd "$(dirname "$0")/.."
secs=${1:-60}
out=build-fuzz
mkdir -p "$out/corpus" "$out/midi-corpus"
qt=$(pkg-config --cflags --libs Qt6Core)
fluid=$(pkg-config --cflags --libs fluidsynth)
sanitize=(-fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)
clang++ -std=c++20 -g -O1 -fPIC "${sanitize[@]}" \
  -I. tests/fuzz/LoadFuzzer.cpp state/SaveRecord.cpp state/GameState.cpp state/I16.cpp \
  platform/Cp932.cpp platform/RecordFile.cpp platform/Process.cpp $qt -o "$out/load_fuzzer"
clang++ -std=c++20 -g -O1 -fPIC "${sanitize[@]}" \
  -I. tests/fuzz/MidiFuzzer.cpp platform/FluidMidi.cpp platform/music/*.cpp $qt $fluid -o "$out/midi_fuzzer"

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

export ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp
"$out/load_fuzzer" -max_total_time="$secs" -max_len=2048 "$out/corpus" 2>&1 | tail -n 5
echo "fuzzing the save's load path: ${secs} s, no crash, leak or sanitizer report"
"$out/midi_fuzzer" -max_total_time="$secs" -max_len=16384 -timeout=20 "$out/midi-corpus" 2>&1 | tail -n 5
echo "fuzzing the music's load path: ${secs} s, no crash, hang, leak or sanitizer report"
