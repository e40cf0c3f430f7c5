#!/usr/bin/env bash
# Sets everything up, builds, and runs the demo: a window when a display is
# there, otherwise a scripted tour that writes screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build_dir=${NORVO_BUILD_DIR:-build}
if [ -x "$build_dir/apps/toka-demo/toka-demo" ]; then
    exec "$build_dir/apps/toka-demo/toka-demo" "$@"
fi
exec "$build_dir/apps/label-gallery/label-gallery" "$@"
