#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The lesson's first steps as a client of a real Wayland compositor (weston, headless): one window
# at every step, the reminder on top of its screen. Needs weston and Qt's Wayland plugin, which the
# test command installs; without them this fails rather than pass unseen.
#   wayland_walk.sh TEST-PROGRAM
set -euo pipefail
program=$1
command -v weston >/dev/null || { echo "weston is not installed"; exit 1; }
runtime=$(mktemp -d /tmp/lapinar-wayland.XXXXXX)
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=lapinar-test --idle-time=0 \
    >"$runtime/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null || true; wait $weston 2>/dev/null || true; rm -rf "$runtime"' EXIT
# Its socket is there once it takes clients; a busy machine may take long to get there.
deadline=$((SECONDS + 120))
until [ -S "$runtime/lapinar-test" ] || [ $SECONDS -ge $deadline ] || ! kill -0 $weston 2>/dev/null; do sleep 0.1; done
[ -S "$runtime/lapinar-test" ] || { echo "weston did not start:"; cat "$runtime/weston.log"; exit 1; }
# Neither work nor pictures are kept in the real home.
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=lapinar-test QT_QPA_PLATFORM=wayland LC_ALL=C.UTF-8 \
    XDG_STATE_HOME=$runtime/state XDG_CACHE_HOME=$runtime/cache \
    "$program" firstStepsKeepOneWindowWithTheReminderOnTop
