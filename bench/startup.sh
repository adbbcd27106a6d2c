#!/usr/bin/env bash
# Measures start-up under Xvfb: milliseconds from launch until the window is
# mapped, and peak resident memory, as the median of 10 runs after one
# warm-up, for number-tool and for a minimal Qt 6 Widgets window built the
# same way, and for that window showing one label (the floor for a window
# with any text). Builds build/release first if needed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

ensure_packages "${NUMBER_TOOL_PACKAGES[@]}" xvfb
configure build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
build build/release number-tool minimal_window startup_probe >/dev/null

display=:95
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb_pid=$!
runtime_dir=
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "${runtime_dir:-/nonexistent}"' EXIT
sleep 1
export DISPLAY=$display
runtime_dir=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime_dir

probe=build/release/bench/startup_probe

# median FILE COLUMN
median() {
    sort -n -k "$2" "$1" | awk -v column="$2" '{ values[NR] = $column } END { print (values[5] + values[6]) / 2 }'
}

measure() {
    local name=$1 runs
    shift
    runs=$(mktemp)
    "$probe" "$@" >/dev/null
    for _ in $(seq 10); do
        "$probe" "$@" >>"$runs"
    done
    printf '%-16s %8s ms %10s KiB\n' "$name" "$(median "$runs" 1)" "$(median "$runs" 2)"
    rm -f "$runs"
}

echo "Start-up on $(nproc) cores, $(uname -m), Xvfb, median of 10 after one warm-up:"
measure number-tool build/release/app/qt/number-tool
measure minimal-window build/release/bench/minimal_window
measure label-window build/release/bench/minimal_window label
