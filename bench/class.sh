#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A class on one machine: starts N lessons at once (30 by default) on one virtual 640 x 480 display,
# each pupil with folders of their own, and reports the time until every window shows, their
# proportional memory, and the processor time they use on the island. Usage: bench/class.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
missing=()
for p in xvfb xauth x11-utils xdotool dbus python3; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# Built as the package and ./lapinar.sh build it, so that what is measured is what pupils run.
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench --target lapinar >/dev/null
# One session bus for the class, as the lessons of a terminal server's session would have.
xvfb-run -a -s "-screen 0 640x480x24 -dpi 96" dbus-run-session -- python3 bench/class.py build-bench/lapinar "${1:-30}"
