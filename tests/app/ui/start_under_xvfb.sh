#!/usr/bin/env bash
# Starts the wizard on a fresh X server, lets it show its first screen and
# checks that it quits cleanly by itself. Usage: start_under_xvfb.sh PROGRAM
set -euo pipefail
program="$1"
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "xvfb-run is missing: run scripts/install-deps (packages xvfb and xauth)" >&2
    exit 1
fi
# Preferences go to a throwaway home so the test never changes the user's own.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
status=0
output="$(HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb \
    timeout 60 xvfb-run -a -s "-screen 0 1600x1000x24" "$program" --quit-after-first-show 2>&1)" ||
    status=$?
echo "$output"
if [ $status -ne 0 ]; then
    echo "VelvetcutSetup exited with status $status" >&2
    exit 1
fi
if ! grep -q 'VelvetcutSetup shows "Step 1 of 4: Tools"' <<<"$output"; then
    echo "VelvetcutSetup did not report its first screen" >&2
    exit 1
fi
