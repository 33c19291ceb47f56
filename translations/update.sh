#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Keeps the translations in step with the texts in the code.
#   translations/update.sh                  brings every translations/lapinar_*.ts up to date
#   translations/update.sh --check          changes nothing; fails when a file lacks a text of the
#                                           code, keeps one the code no longer has, or has an
#                                           unfinished entry
#   translations/update.sh --new de        starts a translation into another language
# LUPDATE names the lupdate program when it is not in Qt's usual place.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$( (qtpaths6 --query QT_HOST_BINS 2>/dev/null || echo /usr/lib/qt6/bin) | head -1)/lupdate}
sources=(accessibility app board information experiment predator results kept classresults handin classview lesson)
# No source locations: the files then change only when the texts do.
options=(-extensions cpp,h -locations none -no-ui-lines -no-obsolete -silent)

case "${1:-}" in
--new)
    [ -n "${2:-}" ] || { echo "usage: $0 --new LANGUAGE-CODE"; exit 2; }
    "$lupdate" "${options[@]}" "${sources[@]}" -target-language "$2" -ts "translations/lapinar_$2.ts"
    echo "translations/lapinar_$2.ts: translate every entry (Qt Linguist, or any text editor)"
    ;;
--check)
    failed=0
    for ts in translations/lapinar_*.ts; do
        copy=$(mktemp --suffix=.ts)
        cp "$ts" "$copy"
        "$lupdate" "${options[@]}" "${sources[@]}" -ts "$copy" >/dev/null
        if ! cmp -s "$ts" "$copy"; then
            echo "$ts is out of date with the code (run translations/update.sh):"
            diff "$ts" "$copy" | head -40 || true
            failed=1
        fi
        rm -f "$copy"
        if grep -q 'type="unfinished"' "$ts"; then
            echo "$ts has unfinished entries:"
            grep -B3 'type="unfinished"' "$ts" | grep '<source>' | head -20
            failed=1
        fi
    done
    exit $failed
    ;;
"")
    for ts in translations/lapinar_*.ts; do
        "$lupdate" "${options[@]}" "${sources[@]}" -ts "$ts"
    done
    ;;
*)
    sed -n '3,10p' "$0"
    exit 2
    ;;
esac
