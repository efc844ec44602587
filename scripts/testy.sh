#!/usr/bin/env bash
# Installs what is missing, builds everything (program, tests, benchmarks) and runs the tests
# headless. The benchmarks are built, not run: bench/README.md tells how.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/zavislosti.sh
cmake -S . -B build-testy -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVION_TESTS=ON
cmake --build build-testy -j"$(nproc)"
cd build-testy
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
