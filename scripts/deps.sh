#!/usr/bin/env bash
# Installs the Debian packages Tamblin needs to build, test and run.
# Looks with dpkg first, so a second run costs nothing.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libjpeg-dev libpng-dev zlib1g-dev libicu-dev
  fonts-liberation fonts-dejavu-core fonts-noto-cjk
  libgtest-dev
  clang libclang-rt-14-dev
  xvfb xdotool imagemagick xauth poppler-utils
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg -s "$package" >/dev/null 2>&1; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [[ $(id -u) -ne 0 ]]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
