#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
