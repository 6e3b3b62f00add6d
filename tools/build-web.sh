#!/usr/bin/env bash
# Builds the viewer for the browser with Debian's emscripten into build-web/site/: index.html,
# the page's style and script, niveau.js and niveau.wasm. A static site: any web server can serve
# the folder as it is (tools/serve-web.sh serves it on this machine).
#   tools/build-web.sh            (after tools/install-packages.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
# emcc runs its JavaScript optimiser with the node on PATH; a node that is not Debian's own finds
# Debian's acorn module only here.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-web -j"$(nproc)"
