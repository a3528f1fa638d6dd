#!/usr/bin/env bash
# Installs the Debian packages Larderwise needs to build, run and test, and
# only those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-private-dev qt6-image-formats-plugins libxcb1-dev
  libsqlite3-dev sqlite3
  libespeak-ng-dev espeak-ng-data
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  # the desktop tests: display, window manager, real X input, screenshots, the driver
  openbox xdotool x11-utils x11-xserver-utils xclip imagemagick python3 python3-xlib e2fsprogs
  # a desktop test ends the session through an X session manager (xsm)
  x11-session-utils
  # the print tests read back the PDFs they print
  poppler-utils
  # the hand-over to a running copy is also tested over a private session bus
  dbus-daemon
  # the install test checks the desktop entry
  desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then sudo="sudo"; else
      echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1
    fi
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
