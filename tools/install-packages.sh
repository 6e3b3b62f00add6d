#!/usr/bin/env bash
# Installs the Debian packages the build, the viewer, the tests and the Debian package need, if
# any are missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-qpa-plugins libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libgtest-dev xvfb xauth fonts-dejavu-core libx11-dev
  libegl-dev libgles-dev libopengl-dev libegl-mesa0 # GL 1.1 on ES 3: EGL, ES headers, libOpenGL
  desktop-file-utils appstream # validators of the installed desktop entry and metainfo
  dpkg-dev file                # cpack -G DEB: dpkg-shlibdeps, and file to find the programs
  qt6-translations-l10n        # Qt's own dialogs in German
  weston qt6-wayland           # the window tests under a headless Wayland compositor
)

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
