#!/usr/bin/env bash
# Installs what is missing, makes a clean build of its own and runs every test.
#   ./test.sh             the suite
#   ./test.sh --sanitize  the suite under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh test

dir=build-test
opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-sanitize
  # The benchmarks are built by the plain run; the suite does not use them.
  opts=(-DCMAKE_BUILD_TYPE=Debug -DKOBUSATO_SANITIZE=ON -DKOBUSATO_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
rm -rf "$dir"
cmake -S . -B "$dir" -G Ninja "${opts[@]}" >/dev/null
cmake --build "$dir" -j2
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" -j2 --output-on-failure
