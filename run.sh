#!/usr/bin/env bash
# Builds the program into build/ and starts it from its program folder.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
exec build/program/joseki "$@"
