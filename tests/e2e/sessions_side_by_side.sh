#!/usr/bin/env bash
# Two sessions as from two shells: an interactive workbench in the first, a
# scripted run in the second. The second one's end must leave the first
# one's workbench running; it then closes when asked, with success.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
host=$1
signals=$(mktemp -d)
trap 'rm -rf "$signals"' EXIT
unset DISPLAY
cd "$root"

wait_for() {
    for _ in $(seq 600); do [ -e "$1" ] && return 0; sleep 0.5; done
    echo "sessions: timed out waiting for $1" >&2
    exit 1
}

./scripts/session bash -c '
    wine "$0" --no-plugin-folder --document examples/drum_kit.xml --interactive & workbench=$!
    sleep 3
    touch "$1/first-started"
    for _ in $(seq 600); do [ -e "$1/second-ended" ] && break; sleep 0.5; done
    kill -0 "$workbench" || { echo "sessions: the first workbench is gone" >&2; exit 1; }
    wine taskkill /im FINALE.EXE >/dev/null 2>&1
    wait "$workbench"' "$host" "$signals" &
first=$!
wait_for "$signals/first-started"
second=0
./scripts/session ./scripts/wine-run "$host" --no-plugin-folder --document examples/drum_kit.xml --print-document \
    >/dev/null || second=$?
touch "$signals/second-ended"
wait "$first"
[ "$second" -eq 0 ] || { echo "sessions: the second session failed ($second)" >&2; exit 1; }
echo "sessions: the first workbench outlived the second session and closed when asked"
