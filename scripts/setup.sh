#!/usr/bin/env bash
# Installs what building and testing NorvoUITOKA needs on Debian 12 (as root,
# or with sudo), and the packages in $NORVO_EXTRA_PACKAGES, then configures and
# builds into build/ (or $NORVO_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
    qt6-base-dev libgl-dev libx11-dev libxext-dev fonts-dejavu-core ${NORVO_EXTRA_PACKAGES:-}

build_dir=${NORVO_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=${NORVO_BUILD_TYPE:-RelWithDebInfo} ${NORVO_CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j2
