#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite offscreen.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh --tests
cmake -S . -B build -DBUILD_TESTING=ON
cmake --build build -j2
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
