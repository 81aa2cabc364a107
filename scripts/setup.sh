#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev libgl-dev
  libfluidsynth-dev timgm6mb-soundfont
  librtmidi-dev libasound2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils fonts-dejavu-core fonts-liberation2
  pulseaudio pulseaudio-utils
  librsvg2-bin desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
