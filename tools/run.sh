#!/usr/bin/env bash
# Builds Vantor and starts the player; arguments are handed to it as files to play.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
tools/setup.sh
cmake -S . -B build -G Ninja
cmake --build build -j"$(nproc)" --target vantor
exec build/src/app/vantor "$@"
