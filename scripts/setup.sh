#!/usr/bin/env bash
# Installs what building and testing Quillgrid needs on Debian, then
# configures and builds it in ./build. Sourced by run.sh and run-tests.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-packages.sh build-essential cmake pkg-config libfox-1.6-dev libgtest-dev libx11-dev \
  xvfb xauth fonts-dejavu-core

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
