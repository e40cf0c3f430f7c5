#!/usr/bin/env bash
# toka-demo on a real desktop: installs what it takes (as root, or with sudo),
# starts an X server (Xvfb), a session bus and the accessibility bus, runs
# tests/desktop/desktop_check.py against build/apps/toka-demo/toka-demo (or
# the program given) and stops everything it started, each by its process id.
#   scripts/desktop-check.sh [TOKA_DEMO]
set -euo pipefail
cd "$(dirname "$0")/.."
demo=$(realpath "${1:-${NORVO_BUILD_DIR:-build}/apps/toka-demo/toka-demo}")

bash scripts/install-packages.sh xvfb openbox xdotool x11-utils at-spi2-core dbus-x11 python3-pyatspi libxext6

work=$(mktemp -d)
pids=()
stop_all() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap stop_all EXIT

# Waits until FILE has a first line, for at most ten seconds.
first_line() {
    local tries=0
    until [ -s "$1" ]; do
        tries=$((tries + 1))
        [ $tries -le 500 ] || { echo "desktop-check: $2 did not start" >&2; exit 1; }
        sleep 0.02
    done
    head -n 1 "$1"
}

# A home of its own: nothing of the user's (settings, caches) is read or written.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# The X server picks a free display itself and names it.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
export DISPLAY=":$(first_line "$work/display" "Xvfb")"

dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>"$work/dbus.log" &
pids+=($!)
export DBUS_SESSION_BUS_ADDRESS=$(first_line "$work/bus" "the session bus")

# The accessibility bus, with the registry that AT-SPI clients ask.
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 2>"$work/atspi.log" &
pids+=($!)

started=$SECONDS
/usr/bin/python3 tests/desktop/desktop_check.py "$demo" "$work"
echo "desktop-check: passed in $((SECONDS - started)) s"
