#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

PACKAGES=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqscintilla2-qt6-dev libqt6svg6 libgl-dev libx11-dev
  libgtest-dev
  fonts-dejavu-core fontconfig
  xvfb jwm xdotool x11-utils
  xdg-utils file
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
