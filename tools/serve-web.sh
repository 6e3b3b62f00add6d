#!/usr/bin/env bash
# Serves the browser build (build-web/site/, made by tools/build-web.sh) on this machine for a
# look: http://127.0.0.1:8080/ unless another port is given. Only on 127.0.0.1.
#   tools/serve-web.sh [port]
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-web/site/index.html ] || { echo "no site yet: run tools/build-web.sh first" >&2; exit 1; }
exec node web/serve.mjs build-web/site "${1:-8080}"
