#!/usr/bin/env bash
# Runs a test program under a headless Weston of its own, as a Wayland desktop would run the
# program: a private runtime folder, Weston's GL renderer on Mesa's software rasteriser and its
# screenshot interface (--debug) for pictures of the screen. Weston is stopped afterwards, also
# when the test fails.
#   run-under-weston.sh <program> [arguments...]
set -euo pipefail

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=niveau-test
weston_pid=
cleanup() {
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$runtime LIBGL_ALWAYS_SOFTWARE=1
weston --backend=headless-backend.so --use-gl --debug --no-config --socket="$socket" \
  --width=1280 --height=1024 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || { cat "$runtime/weston.log"; exit 1; }
  sleep 0.1
done
[ -S "$runtime/$socket" ] || { echo "weston did not start"; cat "$runtime/weston.log"; exit 1; }

unset DISPLAY
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
