#!/usr/bin/env bash
# Installs what is missing, builds the viewer in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target niveau -j"$(nproc)"
exec ./build/niveau
