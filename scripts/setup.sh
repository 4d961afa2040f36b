#!/usr/bin/env bash
# Installs the Debian packages that are missing, with sudo when not root.
#   scripts/setup.sh game   what building and playing the game needs (./play)
#   scripts/setup.sh tests  that, and what the tests need as well (./check)
set -euo pipefail

# The compiler and build tools, GLUT with OpenGL and GLU, and libjpeg for
# the picture files (freeglut3-dev brings the X11 headers the tests use too).
game_packages=(g++ cmake make freeglut3-dev libglu1-mesa-dev libgl-dev libjpeg62-turbo-dev)
# GoogleTest, Xvfb with Mesa's software renderer for the window tests, and
# Google Benchmark for the benchmarks in bench/.
test_packages=(googletest libgtest-dev xvfb xauth libgl1-mesa-dri libbenchmark-dev)

case "${1:-}" in
  game) packages=("${game_packages[@]}") ;;
  tests) packages=("${game_packages[@]}" "${test_packages[@]}") ;;
  *)
    echo "usage: $0 game|tests" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  # Only a package fully installed counts (not one removed with its
  # configuration left behind).
  [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
