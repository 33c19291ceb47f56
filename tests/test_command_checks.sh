#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The test command's own checks, from a fresh clone of the commit being tested, as a newcomer meets
# them: a user who may not become root (nobody, with no terminal) is stopped within seconds, before
# anything is built, and told what to do; the same user, without the Debian 13 step and with the
# packages there, is let through and told that it is no full pass; root is let through and told what
# will be done. Once the packages are known to be there, the check asks dpkg and apt nothing more
# until dpkg's status changes. Needs root, to act as that user.
#   test_command_checks.sh SOURCE-FOLDER
set -euo pipefail
source=$(realpath "$1")
fail() { echo "FAIL: $*"; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "needs root, to act as a user who may not become root"; exit 77; }
git -C "$source" rev-parse --verify -q HEAD >/dev/null || { echo "not a git checkout: nothing to clone"; exit 77; }
scratch=$(mktemp -d /tmp/lapinar-checks.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
git clone -q --no-hardlinks "$source" "$scratch/lapinar"
chown -R nobody:nogroup "$scratch"
chmod 755 "$scratch"
cd "$scratch/lapinar"
# as_nobody COMMAND...: with no terminal to be asked a password on, in a session of its own.
as_nobody() {
    setsid runuser -u nobody -- env -i PATH="${path:-/usr/sbin:/usr/bin:/sbin:/bin}" HOME="$scratch" \
        LC_ALL=C.UTF-8 ${skip:+LAPINAR_SKIP_DEBIAN13=1} "$@" </dev/null 2>&1
}

started=$SECONDS
status=0
said=$(as_nobody ./lapinar.sh test) || status=$?
echo "$said" | sed 's/^/    /'
[ $status -ne 0 ] || fail "a user who may not become root was let through"
grep -q "needs root" <<<"$said" && grep -q "What to do" <<<"$said" && grep -q "LAPINAR_SKIP_DEBIAN13=1" <<<"$said" ||
    fail "the stop says neither why nor what to do"
[ ! -e build-sanitize ] && [ ! -e build/build.ninja ] || fail "something was built before the stop"
[ $((SECONDS - started)) -le 30 ] || fail "the stop took $((SECONDS - started)) s"
echo "ok: stopped in $((SECONDS - started)) s, before anything was built"

# Without the Debian 13 step and with every package there, the run is let through, told that the
# tests that need root will fail; the second time, with dpkg-query and apt-cache that would fail,
# nothing asks them.
said=$(skip=1 as_nobody ./lapinar.sh check) || { echo "$said"; fail "the check stopped a run that needs no root to start"; }
grep -q "which then FAIL" <<<"$said" || { echo "$said"; fail "no word that the tests that need root will fail"; }
grep -q "NOT build and test it on Debian 13" <<<"$said" || { echo "$said"; fail "no word that the Debian 13 step is left out"; }
mkdir -m 755 "$scratch/refusing"
printf '#!/bin/sh\necho "$0" >>"%s"\nexit 1\n' "$scratch/asked" >"$scratch/refusing/dpkg-query"
chmod 755 "$scratch/refusing/dpkg-query"
ln -s dpkg-query "$scratch/refusing/apt-cache"
chown nobody:nogroup "$scratch/refusing"
said=$(skip=1 path=$scratch/refusing:/usr/sbin:/usr/bin:/sbin:/bin as_nobody ./lapinar.sh check) || true
[ ! -e "$scratch/asked" ] || { echo "$said"; fail "the second check asked again: $(cat "$scratch/asked")"; }
echo "ok: without the Debian 13 step the check lets nobody through, and its second time asks dpkg nothing"

# Root, with the archive reachable: told what will be done, and let through.
said=$(./lapinar.sh check 2>&1 </dev/null) || { echo "$said"; fail "root was stopped"; }
grep -q "Debian 13 root" <<<"$said" || { echo "$said"; fail "root is not told of the Debian 13 root"; }
echo "ok: root is let through"
