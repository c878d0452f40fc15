#!/usr/bin/env bash
# Starts the wizard on a fresh X server in one of its check modes, which prints and quits by
# itself, and checks that it quits cleanly having printed every expected line.
# Usage: start_under_xvfb.sh PROGRAM OPTION EXPECTED_LINE...
set -euo pipefail
program="$1"
option="$2"
shift 2
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "xvfb-run is missing: run scripts/install-deps (packages xvfb and xauth)" >&2
    exit 1
fi
# Preferences go to a throwaway home so the test never changes the user's own.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
status=0
# The expected lines are the English texts, whatever language this machine speaks.
output="$(HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANGUAGE= \
    timeout 60 xvfb-run -a -s "-screen 0 1600x1000x24" "$program" "$option" 2>&1)" ||
    status=$?
echo "$output"
if [ $status -ne 0 ]; then
    echo "VelvetcutSetup exited with status $status" >&2
    exit 1
fi
for line in "$@"; do
    if ! grep -qxF "$line" <<<"$output"; then
        echo "VelvetcutSetup did not print: $line" >&2
        exit 1
    fi
done
