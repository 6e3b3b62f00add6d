#!/usr/bin/env bash
# Installs the Debian packages the build, the viewer, the tests and the Debian package need, if
# any are missing. The build's own list is Build-Depends in debian/control; it is read here with
# the tools of a bare Debian system, so that this script runs before anything is installed.
set -euo pipefail
cd "$(dirname "$0")/.."

# The first choice of each entry of the Build-Depends fields, without version, architecture,
# profile or multi-arch qualifiers; the virtual debhelper-compat comes with debhelper.
build_depends() {
  awk '/^[^[:space:]]/ { on = sub(/^Build-Depends(-Arch|-Indep)?:/, "") } on' debian/control |
    tr ',' '\n' | sed -e 's/|.*//' -e 's/[[(<:].*//' -e 's/[[:space:]]//g' \
    -e 's/^debhelper-compat$/debhelper/' | grep -v '^$'
}

mapfile -t packages < <(build_depends)
[ ${#packages[@]} -gt 0 ] || { echo "no Build-Depends found in debian/control" >&2; exit 1; }
packages+=(
  build-essential    # the compiler and make, which Build-Depends takes as given
  libgtest-dev       # the tests
  libx11-dev         # tests that find the real program's window through Xlib
  qt6-qpa-plugins    # Qt's X11 platform plugin, for the viewer and the window tests
  libgl1-mesa-dri    # Mesa's software renderer
  xvfb               # the virtual display of the window tests
  xauth              # xvfb-run's authorisation
  fonts-dejavu-core  # a font for Qt's text under Xvfb
  desktop-file-utils # validator of the installed desktop entry
  appstream          # validator of the installed AppStream metainfo
  file               # the sizes of the installed icons
  lintian            # the check of the Debian package
  clang-format       # the format check of the sources
  libegl-dev libgles-dev libopengl-dev libegl-mesa0 # GL 1.1 on ES 3: EGL, ES headers, libOpenGL
  qt6-translations-l10n # Qt's own dialogs in German
  weston qt6-wayland # the window tests under a headless Wayland compositor
  emscripten         # the browser build (tools/build-web.sh): C++ to WebAssembly
  chromium           # the browser tests and benchmark, headless with WebGL on SwiftShader
  nodejs             # runs the browser tests (puppeteer-core) and serves the site
)
# npm installs the browser tests' puppeteer-core; a Node.js from elsewhere brings its own npm and
# conflicts with Debian's package.
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
