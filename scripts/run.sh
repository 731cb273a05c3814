#!/usr/bin/env bash
# Builds el Trazora and starts it on the bundled data folder.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "${JOBS:-2}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program under Xvfb (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" ./build/bin/trazora "$@"
fi
exec ./build/bin/trazora "$@"
