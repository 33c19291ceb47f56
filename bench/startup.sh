#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks beside the lesson and measures start-up against a bare Qt window and against
# its first screen made of plain Qt widgets, on a virtual 640 x 480 display, then the game's own
# costs. Usage: [RUNS=N] bench/startup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
missing=()
for p in xvfb xauth valgrind python3; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# Built as the package and ./lapinar.sh build it, so that what is measured is what pupils run.
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build build-bench --target lapinar bench_bare bench_bare_text bench_bare_first_screen bench_lesson bench_game bench_graph >/dev/null
echo "== Start-up, lesson against a bare Qt Widgets window and its first screen in plain Qt =="
xvfb-run -a -s "-screen 0 640x480x24 -dpi 96" python3 bench/startup.py build-bench
echo
echo "== The game's costs =="
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_game
echo
echo "== Drawing the results graph at a 4K scale =="
QT_QPA_PLATFORM=offscreen build-bench/bench/bench_graph 4.5
