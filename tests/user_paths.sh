#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's own paths, from a fresh clone of the commit being tested (HEAD of the source folder,
# without uncommitted changes): `./lapinar.sh start` builds what the lesson loads at run time, so
# the read-aloud voice loads from beside the program, and started again it asks dpkg nothing;
# `./lapinar.sh package` makes a package holding the program, the voice and the printed worksheets.
# Everything is built again in the clone, with warnings as errors as the test command's plain build
# has them, so that ccache (which the test command installs) gives back what that build compiled.
#   user_paths.sh SOURCE-FOLDER SPEECH-MODULE-CHECK
set -euo pipefail
source=$(realpath "$1")
check=$(realpath "$2")
fail() { echo "FAIL: $*"; exit 1; }
# A source folder that is not a git checkout (a release tarball) has no commit to clone.
git -C "$source" rev-parse --verify -q HEAD >/dev/null || { echo "not a git checkout: nothing to clone"; exit 77; }
scratch=$(mktemp -d /tmp/lapinar-user-paths.XXXXXX)
trap 'rm -rf "$scratch"' EXIT
git clone -q --no-hardlinks "$source" "$scratch/lapinar"
cd "$scratch/lapinar"
echo "cloned $(git rev-parse --short HEAD)"
# Cache hits from one clone to the next, although each is in a folder of its own.
export CCACHE_BASEDIR=$scratch/lapinar CCACHE_NOHASHDIR=1

# The start command, asked only for the version so that no window opens, then the voice loaded
# from the folder the program looks in first.
export LAPINAR_WERROR=ON
version=$(QT_QPA_PLATFORM=offscreen ./lapinar.sh start --version) || fail "./lapinar.sh start failed"
echo "started: ${version##*$'\n'}"
"$check" build || fail "./lapinar.sh start built a lesson that cannot read aloud"
# Started again, with nothing installed or removed since, it asks neither dpkg nor apt.
mkdir "$scratch/refusing"
printf '#!/bin/sh\necho "$0" >>"%s"\nexit 1\n' "$scratch/asked" >"$scratch/refusing/dpkg-query"
chmod 755 "$scratch/refusing/dpkg-query"
ln -s dpkg-query "$scratch/refusing/apt-cache"
PATH=$scratch/refusing:$PATH QT_QPA_PLATFORM=offscreen ./lapinar.sh start --version >/dev/null || true
[ ! -e "$scratch/asked" ] || fail "./lapinar.sh start, once built, asked again what is installed: $(cat "$scratch/asked")"

# The package command, which prints the path of the package it made and nothing else on its last line.
deb=$(./lapinar.sh package | tail -n 1) || fail "./lapinar.sh package failed"
[ -f "$deb" ] || fail "./lapinar.sh package printed no package: $deb"
contents=$(dpkg-deb -c "$deb")
for f in '/usr/bin/lapinar' '/usr/libexec/lapinar/lapinar-class' '/usr/lib/(.+/)?lapinar/speech/lapinar_speech\.so' '/usr/lib/(.+/)?lapinar/print/lapinar_print\.so' \
         '/usr/share/doc/lapinar/worksheet-en\.pdf' '/usr/share/doc/lapinar/worksheet-fr\.pdf'; do
    grep -qE " \.$f\$" <<<"$contents" || fail "the package lacks $f"
done
echo "package: $(basename "$deb") holds the program, the class view, the read-aloud voice and the worksheets"
