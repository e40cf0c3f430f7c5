#!/usr/bin/env bash
# Sets everything up, builds, and runs the demo: a window when a display is
# there, otherwise a scripted tour that writes screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec "${NORVO_BUILD_DIR:-build}/apps/toka-demo/toka-demo" "$@"
