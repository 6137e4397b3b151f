#!/usr/bin/env bash
# Installs what is needed, builds in Release and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTARSEL_TESTS=OFF -DTARSEL_BENCH=OFF
cmake --build build-release -j"$(nproc)" --target tarsel
exec ./build-release/src/tarsel "$@"
