#!/usr/bin/env bash
# Installs the browser tests' node packages (puppeteer-core, pinned in package-lock.json) from the
# npm registry with npm ci, unless the installed ones already match the lock file.
set -euo pipefail
cd "$(dirname "$0")"
if [ -f node_modules/.package-lock.json ] && [ node_modules/.package-lock.json -nt package-lock.json ]; then
  exit 0
fi
npm ci --no-audit --no-fund --loglevel=error
