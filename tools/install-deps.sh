#!/usr/bin/env bash
# Installs everything bmk540 needs to build, run and test on Debian (run as root or with sudo).
set -euo pipefail
packages=(
  build-essential cmake pkg-config
  qt6-base-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk
  libcups2-dev cups cups-client cups-bsd libchm-dev libchm1 jq libtomlplusplus-dev
  libgtest-dev libbenchmark-dev fp-utils xvfb xauth xdotool dbus at-spi2-core python3-pyatspi
  shared-mime-info xdg-utils libfile-mimeinfo-perl desktop-file-utils
)
if [ "${1:-}" = "--ci" ]; then
  packages+=(clang g++-mingw-w64-x86-64)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
