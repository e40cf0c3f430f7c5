#!/usr/bin/env bash
# Installs what building and testing NorvoUITOKA needs on Debian 12 (as root,
# or with sudo), and the packages in $NORVO_EXTRA_PACKAGES, then configures and
# builds into build/ (or $NORVO_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev libx11-dev libxext-dev fonts-dejavu-core ${NORVO_EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

build_dir=${NORVO_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=${NORVO_BUILD_TYPE:-RelWithDebInfo} ${NORVO_CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" -j2
