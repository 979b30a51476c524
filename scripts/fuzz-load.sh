#!/usr/bin/env bash
# Fuzzes the save file's load path with libFuzzer for a bounded time.
#   scripts/fuzz-load.sh [seconds]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
secs=${1:-60}
out=build-fuzz
mkdir -p "$out/corpus"
flags=$(pkg-config --cflags --libs Qt6Core)
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I. tests/fuzz/LoadFuzzer.cpp state/SaveRecord.cpp state/GameState.cpp state/I16.cpp \
  platform/Cp932.cpp platform/RecordFile.cpp platform/Process.cpp $flags -o "$out/load_fuzzer"
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
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  "$out/load_fuzzer" -max_total_time="$secs" -max_len=2048 "$out/corpus" 2>&1 | tail -n 5
echo "fuzzing the load path: ${secs} s, no crash, leak or sanitizer report"
