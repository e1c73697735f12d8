#!/usr/bin/env bash
# Builds Quillgrid with its tests (installing what is missing) and runs
# every test on a virtual display.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
export CI="${CI:-1}"
# One test process at a time: the tests share one display, and a test that
# reads back what a window shows must not have another test's window
# standing over it.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --test-dir build --output-on-failure "$@"
