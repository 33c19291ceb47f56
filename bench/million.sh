#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A million pupil actions: the random-input test under AddressSanitizer and UndefinedBehaviorSanitizer,
# in runs of CHUNK actions (50,000), each with a seed of its own, as many side by side as there are
# processors; then the figures: actions, time, the seeds, and what was found. Each run is kept in
# build-sanitize/million/SEED.log and is replayed exactly by
#   LAPINAR_RANDOM_SEED=SEED LAPINAR_RANDOM_EVENTS=CHUNK build-sanitize/tests/tst_randominput
# Stopped early (Ctrl+C), it gives the figures of the runs that finished.
# Usage: bench/million.sh [ACTIONS [JOBS]]   (1000000 and the number of processors by default;
# CHUNK=N sets the length of one run, SEEDS="s1 s2 ..." chooses the first seeds, NICE=19 lets other work go first)
set -euo pipefail
cd "$(dirname "$0")/.."
actions=${1:-1000000}
jobs=${2:-$(nproc)}
chunk=${CHUNK:-50000}
for n in "$actions" "$jobs" "$chunk"; do
    [[ $n =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 [ACTIONS [JOBS]], CHUNK=N" >&2; exit 2; }
done
read -r -a seeds <<<"${SEEDS:-}"
runs=$(((actions + chunk - 1) / chunk))
while [ ${#seeds[@]} -lt "$runs" ]; do
    seeds+=("$(od -An -N8 -tu8 /dev/urandom | tr -d ' ')")
done

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAPINAR_SANITIZE=ON "${launcher[@]}" >/dev/null
nice -n "${NICE:-0}" cmake --build build-sanitize --target tst_randominput >/dev/null

out=build-sanitize/million
rm -rf "$out" && mkdir -p "$out"
echo "== $actions pupil actions under the sanitizers: $runs runs of up to $chunk, $jobs side by side =="
start=$(date +%s)
declare -A running=() # pid -> seed
findings=0
done_actions=0
done_seeds=()

run() { # seed, actions
    mkdir -p "$out/state-$1" "$out/cache-$1"
    exec env QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/offscreen-640x480.json" LC_ALL=C.UTF-8 \
        XDG_STATE_HOME="$PWD/$out/state-$1" XDG_CACHE_HOME="$PWD/$out/cache-$1" \
        QTEST_FUNCTION_TIMEOUT=$((6 * 3600 * 1000)) LAPINAR_RANDOM_SEED="$1" LAPINAR_RANDOM_EVENTS="$2" \
        ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 QTEST_DISABLE_STACK_DUMP=1 \
        nice -n "${NICE:-0}" build-sanitize/tests/tst_randominput -maxwarnings 100 >"$out/$1.log" 2>&1
}

finished() { # pid, status
    local seed=${running[$1]} status=$2 ran
    unset "running[$1]"
    ran=$(sed -n 's/.*random input: \([0-9]*\) events in .*/\1/p' "$out/$seed.log" | tail -1)
    if [ "$status" -ne 0 ] || grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:|^FAIL!" "$out/$seed.log"; then
        findings=$((findings + 1))
        echo "seed $seed FOUND something (exit $status); from $out/$seed.log:"
        grep -E "FAIL!|Loc:|ERROR:|runtime error:|SUMMARY:|after event" "$out/$seed.log" | head -20 | sed 's/^/    /'
    else
        done_actions=$((done_actions + ${ran:-0}))
        done_seeds+=("$seed")
        echo "seed $seed: ${ran:-?} actions, nothing found ($(($(date +%s) - start)) s, $done_actions in all)"
    fi
}

summary() {
    local seconds=$(($(date +%s) - start))
    echo "actions: $done_actions of $actions without a finding; time: $((seconds / 60)) min $((seconds % 60)) s" \
        "($((done_actions / (seconds > 0 ? seconds : 1))) a second); findings: $findings"
    echo "seeds run through: ${done_seeds[*]}"
}

stop() {
    for pid in "${!running[@]}"; do kill "$pid" 2>/dev/null || true; done
    echo "stopped with ${#running[@]} runs unfinished"
    summary
    exit 130
}
trap stop INT TERM

next=0
while [ "$next" -lt "$runs" ] || [ ${#running[@]} -gt 0 ]; do
    while [ "$next" -lt "$runs" ] && [ ${#running[@]} -lt "$jobs" ]; do
        share=$((next < runs - 1 ? chunk : actions - chunk * (runs - 1)))
        run "${seeds[$next]}" "$share" &
        running[$!]=${seeds[$next]}
        next=$((next + 1))
    done
    status=0
    wait -n -p pid "${!running[@]}" || status=$?
    finished "$pid" "$status"
done
summary
[ "$findings" -eq 0 ] && [ "$done_actions" -eq "$actions" ]
