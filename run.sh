#!/usr/bin/env bash
# Builds Quillgrid (installing what is missing) and starts it. Without a
# display it runs on a virtual one (Xvfb).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
if [ -n "${DISPLAY:-}" ]; then
  exec ./build/app/Quillgrid "$@"
else
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ./build/app/Quillgrid "$@"
fi
