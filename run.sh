#!/usr/bin/env bash
# Installs what is missing, builds Pellori, puts a demo database and a matching
# Pellori.ini beside the program when none is there yet, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-deps.sh
cmake -S . -B build -DBUILD_TESTING=OFF
cmake --build build -j2 --target pellori
bash scripts/make-demo.sh build/bin
exec build/bin/pellori
