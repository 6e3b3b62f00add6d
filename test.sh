#!/usr/bin/env bash
# Installs what is missing, builds everything (the browser build too) and runs the whole suite
# headless under Xvfb with Mesa's software renderer, the browser tests in headless chromium.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages.sh
# The browser build and its test tools first: the suite's browser tests load build-web/site.
tools/build-web.sh
web/tests/install.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
export LIBGL_ALWAYS_SOFTWARE=1
export XDG_RUNTIME_DIR="$(mktemp -d)"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 300
