#!/usr/bin/env bash
# wayland_window_test.sh WINDOW_TESTS: starts a headless Wayland compositor
# (weston) with a private runtime directory, runs the window tests that type
# and read an answer on Qt's wayland platform with no X display, then stops
# the compositor. Leaves no process or directory behind.
set -euo pipefail
tests=$1
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=
cleanup() {
    # The compositor leads its own session: its shell and keyboard clients
    # go with it.
    if [ -n "$weston_pid" ]; then
        kill -TERM -- "-$weston_pid" 2>/dev/null || true
        wait "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT

# weston 10 (Debian 12) names the backend by its module, later ones by name.
backend=headless
weston --help 2>&1 | grep -q 'headless-backend.so' && backend=headless-backend.so
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" setsid weston --backend="$backend" --socket=wayland-number-tool \
    --idle-time=0 --no-config >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/wayland-number-tool" ] && break
    kill -0 "$weston_pid" 2>/dev/null || { cat "$runtime/weston.log"; exit 1; }
    sleep 0.1
done
[ -S "$runtime/wayland-number-tool" ] || { echo "weston did not start"; cat "$runtime/weston.log"; exit 1; }

# No input method: Qt 6.4's Wayland one crashes on a compositor without a
# keyboard, as a headless one is; the tests type through QTest anyway.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-number-tool QT_QPA_PLATFORM=wayland QT_IM_MODULE=none \
    timeout 120 "$tests" --gtest_filter='CalculatorWindowTest.RunsOnThePlatformItWasGiven:CalculatorWindowTest.PressingAButtonShowsTheAnswer:CalculatorWindowTest.ButtonsFollowEveryKeystroke'
