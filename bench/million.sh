#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A million pupil actions: the random-input test under AddressSanitizer and UndefinedBehaviorSanitizer,
# split over several seeds run side by side (one for each processor), then the figures: actions, time,
# the seeds, and what was found. Each seed's run is kept in build-sanitize/million/SEED.log and is
# replayed exactly by LAPINAR_RANDOM_SEED=SEED LAPINAR_RANDOM_EVENTS=N build-sanitize/tests/tst_randominput.
# Usage: bench/million.sh [ACTIONS [JOBS]]   (1000000 and the number of processors by default;
# SEEDS="s1 s2 ..." chooses the seeds, NICE=19 lets other work go first)
set -euo pipefail
cd "$(dirname "$0")/.."
actions=${1:-1000000}
jobs=${2:-$(nproc)}
[[ $actions =~ ^[1-9][0-9]*$ && $jobs =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [ACTIONS [JOBS]]" >&2; exit 2; }
read -r -a seeds <<<"${SEEDS:-}"
while [ ${#seeds[@]} -lt "$jobs" ]; do
    seeds+=("$(od -An -N8 -tu8 /dev/urandom | tr -d ' ')")
done
jobs=${#seeds[@]}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAPINAR_SANITIZE=ON "${launcher[@]}" >/dev/null
nice -n "${NICE:-0}" cmake --build build-sanitize --target tst_randominput >/dev/null

out=build-sanitize/million
rm -rf "$out" && mkdir -p "$out"
echo "== $actions pupil actions under the sanitizers, $jobs seeds side by side =="
start=$(date +%s)
pids=()
for i in "${!seeds[@]}"; do
    seed=${seeds[$i]}
    share=$((actions / jobs + (i < actions % jobs ? 1 : 0)))
    echo "seed $seed: $share actions"
    mkdir -p "$out/state-$seed" "$out/cache-$seed"
    env QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/offscreen-640x480.json" LC_ALL=C.UTF-8 \
        XDG_STATE_HOME="$PWD/$out/state-$seed" XDG_CACHE_HOME="$PWD/$out/cache-$seed" \
        QTEST_FUNCTION_TIMEOUT=$((6 * 3600 * 1000)) LAPINAR_RANDOM_SEED="$seed" LAPINAR_RANDOM_EVENTS="$share" \
        ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        nice -n "${NICE:-0}" build-sanitize/tests/tst_randominput >"$out/$seed.log" 2>&1 &
    pids+=($!)
done
findings=0
done_actions=0
for i in "${!seeds[@]}"; do
    seed=${seeds[$i]}
    status=0
    wait "${pids[$i]}" || status=$?
    ran=$(sed -n 's/.*random input: \([0-9]*\) events in \([0-9.]*\) s.*/\1/p' "$out/$seed.log" | tail -1)
    done_actions=$((done_actions + ${ran:-0}))
    if [ "$status" -ne 0 ] || grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:|^FAIL!" "$out/$seed.log"; then
        findings=$((findings + 1))
        echo "seed $seed FOUND something (exit $status); from $out/$seed.log:"
        grep -E "FAIL!|Loc:|ERROR:|runtime error:|SUMMARY:|after event" "$out/$seed.log" | head -20 | sed 's/^/    /'
    else
        echo "seed $seed: ${ran:-?} actions, nothing found"
    fi
done
seconds=$(($(date +%s) - start))
echo "actions: $done_actions of $actions; time: $((seconds / 60)) min $((seconds % 60)) s" \
    "($((done_actions / (seconds > 0 ? seconds : 1))) a second); seeds: ${seeds[*]}; findings: $findings"
[ "$findings" -eq 0 ] && [ "$done_actions" -eq "$actions" ]
