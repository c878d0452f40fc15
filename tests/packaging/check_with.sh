#!/usr/bin/env bash
# Runs one of Debian's checkers on a packaging file and fails on anything it reports.
# Usage: check_with.sh PACKAGE COMMAND... (PACKAGE is what to install when COMMAND is missing)
set -uo pipefail
package="$1"
shift
if ! command -v "$1" >/dev/null 2>&1; then
    echo "$1 is missing: run scripts/install-deps (package $package)" >&2
    exit 1
fi
# man reports formatter warnings on standard error and still exits 0.
report="$(mktemp)"
trap 'rm -f "$report"' EXIT
warnings="$("$@" 2>&1 >"$report")"
status=$?
if [ $status -ne 0 ] || [ -n "$warnings" ]; then
    if [ -n "$warnings" ]; then printf '%s\n' "$warnings" >&2; else cat "$report" >&2; fi
    exit 1
fi
