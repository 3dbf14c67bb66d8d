#!/usr/bin/env bash
# Installs the Debian packages Lexiparc needs to build, test and run, when any is missing.
set -euo pipefail
pkgs=(cmake ninja-build g++ ccache qt6-base-dev qt6-qpa-plugins libgl1-mesa-dev
      qt6-translations-l10n fontconfig fonts-dejavu-core fonts-liberation2 xvfb xauth xdg-utils
      libglib2.0-dev clang libclang-rt-14-dev python3)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
