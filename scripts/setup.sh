#!/usr/bin/env bash
# Installs the Debian packages Pyxaro needs (only those missing), then configures and builds
# into build/: the targets named as arguments, or everything (tests and benchmarks too) when
# none are named. Called by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

PACKAGES=(build-essential cmake ninja-build ccache pkg-config
          libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
          qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl1-mesa-dev
          librtmidi-dev libfluidsynth-dev timgm6mb-soundfont
          fonts-dejavu-core xvfb xauth)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
if [ $# -gt 0 ]; then
  cmake --build build -j "$(nproc)" --target "$@"
else
  cmake --build build -j "$(nproc)"
fi
