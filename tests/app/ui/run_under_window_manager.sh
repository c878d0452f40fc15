#!/usr/bin/env bash
# Runs the window tests that need a window manager, once per screen size, each on a
# fresh X server with openbox. Usage: run_under_window_manager.sh TEST_PROGRAM
set -uo pipefail
program="$1"
for tool in Xvfb openbox; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is missing: run scripts/install-deps (packages xvfb and openbox)" >&2
        exit 1
    fi
done
home="$(mktemp -d)"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$home"
}
trap cleanup EXIT

free_display() {
    for n in $(seq 300 399); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            echo "$n"
            return
        fi
    done
}

status=0
for size in 1440x900 1366x768 1920x1200; do
    display=":$(free_display)"
    Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    server=$!
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
    HOME="$home" DISPLAY="$display" openbox >/dev/null 2>&1 &
    manager=$!
    pids=("$server" "$manager")
    sleep 1  # openbox takes over the screen
    echo "== screen $size"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
        timeout 120 "$program" --gtest_filter='WindowUnderWindowManager.*' || status=1
    kill "$manager" "$server" 2>/dev/null
    wait "$manager" "$server" 2>/dev/null
    pids=()
done
exit $status
