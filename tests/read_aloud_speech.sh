#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reading aloud with the real voice: the lesson started with --read-aloud asks speech-dispatcher to
# speak the first screen's instructions, in each language the lesson speaks. speech-dispatcher runs
# in a private home and sends its sound to libao's null driver, so no sound device is needed; what
# it was asked to say is read from its log. Fails, never skips, when the speech server is missing.
#   read_aloud_speech.sh PROGRAM
set -euo pipefail
program=$1
command -v speech-dispatcher >/dev/null || { echo "speech-dispatcher is not installed"; exit 1; }
compgen -G '/usr/lib/speech-dispatcher-modules/sd_espeak-ng' >/dev/null ||
    compgen -G '/usr/lib/*/speech-dispatcher-modules/sd_espeak-ng' >/dev/null || { echo "speech-dispatcher's espeak-ng voice is not installed"; exit 1; }
# Under AddressSanitizer, its strstr() check measures the whole string at every call, and
# speech-dispatcher's client library splits its list of hundreds of voices with strstr(): listing
# the voices would take minutes rather than seconds.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strstr=0
work=$(mktemp -d /tmp/lapinar-speech.XXXXXX)
chmod 700 "$work"
trap 'rm -rf "$work"' EXIT

# Words of the first screen's instructions, in each language.
declare -A first=([en]="You are a scientist in charge of an island." [fr]="populations de lapins"
                  [de]="Kaninchenpopulationen" [es]="poblaciones de conejos")
status=0
for language in en fr de es; do
    home=$work/$language
    mkdir -p "$home/config/speech-dispatcher" "$home/cache" "$home/run"
    chmod 700 "$home/run"
    echo "default_driver=null" >"$home/.libao"
    { grep -vE '^\s*(AudioOutputMethod|LogLevel)' /etc/speech-dispatcher/speechd.conf
      echo 'AudioOutputMethod "libao"'
      echo 'LogLevel 5'; } >"$home/config/speech-dispatcher/speechd.conf"
    log=$home/run/speech-dispatcher/log/speech-dispatcher.log
    HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/run \
    QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 dbus-run-session -- bash -c '
        "$1" --read-aloud --language "$2" & lesson=$!
        # The speech server lists its voices first, which takes seconds on a busy machine: its log
        # is asked until it has the words, for as long as two minutes.
        deadline=$((SECONDS + 120))
        while [ $SECONDS -lt $deadline ]; do
            grep -F "Queueing message |" "$4" 2>/dev/null | grep -qF "$3" && break
            kill -0 $lesson 2>/dev/null || break
            sleep 0.1
        done
        kill $lesson 2>/dev/null || true
        wait $lesson 2>/dev/null || true' bash "$program" "$language" "${first[$language]}" "$log" 2>/dev/null
    if grep -F "Queueing message |" "$log" 2>/dev/null | grep -qF "${first[$language]}" &&
        grep -qE "SET SELF LANGUAGE $language" "$log"; then
        echo "$language: $(grep -m1 -oE "Queueing message \|[^|]*" "$log" | cut -c1-120)"
    else
        echo "$language: the first screen's instructions were not asked for in that language"
        [ -f "$log" ] && grep -E "SET SELF LANGUAGE|Queueing message" "$log" | tail -n 5
        status=1
    fi
done
exit $status
