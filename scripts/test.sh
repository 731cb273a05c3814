#!/usr/bin/env bash
# Builds the program and runs every test suite (then once more with
# AddressSanitizer and UndefinedBehaviorSanitizer unless TRAZORA_NO_SANITIZE=1).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
JOBS="${JOBS:-2}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$JOBS"
ctest --test-dir build --output-on-failure -j "$JOBS"

if [ "${TRAZORA_NO_SANITIZE:-0}" != "1" ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRAZORA_SANITIZE=ON -DTRAZORA_BENCH=OFF
  cmake --build build-asan -j "$JOBS"
  ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-asan --output-on-failure -j "$JOBS"
fi
