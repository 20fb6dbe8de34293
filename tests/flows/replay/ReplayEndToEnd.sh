#!/usr/bin/env bash
# End to end: the built vornex-replay runs the whole wizard on a fresh machine (the
# real program, the real half-second waits), then vornexctl, a separate process,
# finds the printer on that machine.
# usage: ReplayEndToEnd.sh VORNEX-REPLAY VORNEXCTL SCRIPT   (from the folder holding win2k/)
set -euo pipefail
replay=$1
vornexctl=$2
script=$3

folder=$(mktemp -d "${TMPDIR:-/tmp}/vornex-replay-XXXXXX")
trap 'rm -rf "$folder"' EXIT
export VORNEX_MACHINE="$folder/machine"   # nothing there yet: replay makes the machine

status=0
transcript=$("$replay" "$script") || status=$?
printf '%s\n' "$transcript"
if [ "$status" -ne 0 ]; then
    echo "vornex-replay exited with $status" >&2
    exit 1
fi
if ! grep -q '^ *[0-9]* ok    expect message "Completed!"$' <<<"$transcript"; then
    echo "the transcript does not show \"Completed!\"" >&2
    exit 1
fi

printers=$("$vornexctl" printers)
printf '%s\n' "$printers"
if ! grep -q 'TR-A2' <<<"$printers" || ! grep -q 'LPT1:' <<<"$printers"; then
    echo "vornexctl printers does not list TR-A2 on LPT1:" >&2
    exit 1
fi

# A bad script is refused with its line, and exit status 2.
printf 'press 1009\nprss 1009\n' >"$folder/bad.flow"
status=0
message=$("$replay" "$folder/bad.flow" 2>&1) || status=$?
if [ "$status" -ne 2 ] || ! grep -q "bad.flow:2: unknown action 'prss'" <<<"$message"; then
    echo "a bad script gave status $status and: $message" >&2
    exit 1
fi
echo "end to end: passed"
