#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need, if any is missing.
set -euo pipefail
packages=(g++ cmake make googletest libgtest-dev freeglut3-dev libglu1-mesa-dev libgl-dev
          libjpeg62-turbo-dev xvfb xauth libgl1-mesa-dri libbenchmark-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
