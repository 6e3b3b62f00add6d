#!/usr/bin/env bash
# Checks that every source file includes only headers of its own layer or of the layers below it,
# that Qt stays in the desktop shell's layer (the core and the browser shell have none), GL out of
# the state and the settings, and the OpenGL ES and EGL headers in the GL 1.1 layer on ES and the
# browser shell, whose framebuffers call ES through procedure addresses (see
# docs/ARCHITECTURE.md). Prints each offending include; fails when there is one.
#   tools/check-layers.sh [source folder]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# The layer a file belongs to, by its path.
layer_of() {
  case "$1" in
    scene/Assembly.*) echo assembly ;;
    scene/*) echo state ;;
    geometry/*) echo geometry ;;
    app/frame/* | overlay/gl/*) echo frame ;;
    config/*) echo config ;;
    gles/*) echo gles ;;
    core/*) echo core ;;
    app/* | dialogs/* | overlay/* | resources/*) echo app ;;
    web/*) echo web ;;
    *) echo unknown ;;
  esac
}

# The layers a layer may include from.
allowed_for() {
  case "$1" in
    state) echo "state" ;;
    geometry) echo "state geometry" ;;
    assembly) echo "state geometry assembly" ;;
    frame) echo "state geometry assembly frame" ;;
    config) echo "state config" ;;
    gles) echo "gles" ;;
    core) echo "state geometry assembly frame config core" ;;
    app) echo "state geometry assembly frame config core app" ;;
    web) echo "state geometry assembly frame config core gles web" ;;
  esac
}

failures=0
report() {
  echo "$1"
  failures=$((failures + 1))
}

# The browser shell's tests are programs of the test build, which may use anything.
for file in $(find scene geometry app overlay config core dialogs resources gles web \
  -path web/tests -prune -o \( -name '*.h' -o -name '*.cpp' \) -print | sort); do
  own=$(layer_of "$file")
  allowed=" $(allowed_for "$own") "
  while IFS= read -r header; do
    target=$(layer_of "$header")
    [[ "$allowed" == *" $target "* ]] || report "$file ($own) includes $header ($target)"
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
  if [ "$own" != app ] && grep -qE '^#include <Q' "$file"; then
    report "$file ($own) includes Qt"
  fi
  if [[ "$own" == state || "$own" == config ]] && grep -qE '^#include <GL/' "$file"; then
    report "$file ($own) includes GL"
  fi
  if [[ "$own" != gles && "$own" != web ]] && grep -qE '^#include <(GLES[0-9]*|EGL)/' "$file"; then
    report "$file ($own) includes OpenGL ES or EGL"
  fi
done

if [ "$failures" -gt 0 ]; then
  echo "$failures include(s) across the layers"
  exit 1
fi
echo "layers: every include stays within its layer or below"
