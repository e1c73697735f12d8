#!/usr/bin/env bash
# Installs what building and testing Quillgrid needs on Debian, then
# configures and builds it in ./build. Sourced by run.sh and run-tests.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(build-essential cmake pkg-config libfox-1.6-dev libgtest-dev libx11-dev
          xvfb xauth fonts-dejavu-core)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
