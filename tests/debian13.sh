#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The lesson on Debian 13 (Qt 6.8) as well as on the machine's own Debian 12 (Qt 6.4): in a Debian 13
# root made with debootstrap from the archive this machine's apt sources name, the lesson is built
# with warnings as errors and all its tests run (the screen-reader walk with Debian 13's Orca), then
# its package is made, installed, started and purged. The root is kept outside the clone, by default in
# /var/cache/lapinar/debian13-root, as everything in it belongs to root: only the first run on the
# machine pays for making it and installing the packages the tests need (./lapinar.sh packages), and
# every clone shares it, one run at a time. So are the build inside it and its compiler cache, so a
# later run, from any clone, compiles only what changed. Each run first brings the root up to date. Needs root, debootstrap and the package archive; without them this fails rather than
# pass unseen. Only the archive is reached from the root: the build and the tests run with no
# network, processes, IPC or host name but their own, so that nothing else on the machine (another
# X server, D-Bus or Orca) can meet them.
# With --prepare it only makes the root, updates it and installs those packages, which is mostly
# waiting for the archive, so the test command does that while it compiles; a run waits for a
# prepare under way. With --archive it only says which archive it would use, with --root where the root is.
#   debian13.sh [--prepare] SOURCE-FOLDER [ROOT]
#   debian13.sh --archive | --root
set -euo pipefail
fail() { echo "FAIL: $*"; exit 1; }
# The archive: the first http(s) one that the machine's own apt sources name for its own release,
# in either the one-line or the deb822 format.
archive() {
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    archive=$( {
        cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            awk -v c="$codename" '$1 == "deb" { i = 2; if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ } if ($(i + 1) == c) print $i }'
        cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
            awk -v c="$codename" 'BEGIN { RS = ""; FS = "\n" }
                { t = u = s = ""; on = 1
                  for (i = 1; i <= NF; i++) {
                      if ($i ~ /^Types:/) t = $i; else if ($i ~ /^URIs:/) u = $i; else if ($i ~ /^Suites:/) s = $i
                      else if ($i ~ /^Enabled:[ \t]*no/) on = 0 }
                  if (on && t ~ /[ \t]deb([ \t]|$)/ && (s " ") ~ ("[ \t]" c "[ \t]")) { split(u, a, /[ \t]+/); print a[2] } }'
    } | grep -E '^https?://' | head -n 1) || true
    [ -n "$archive" ] || fail "no Debian archive named for '$codename' in /etc/apt/sources.list{,.d}"
}

# Where the root is kept when no other place is given; said by --root.
[ "${1:-}" != --root ] || { echo /var/cache/lapinar/debian13-root; exit 0; }
archive
[ "${1:-}" != --archive ] || { echo "$archive"; exit 0; }
prepare=
[ "${1:-}" != --prepare ] || { prepare=prepare; shift; }
# apt's proxy, from its settings or the environment, which sudo does not pass on.
proxy=
if [ "${1:-}" = --proxy ]; then
    proxy=$2
    shift 2
else
    proxy=$(apt-config dump Acquire::http::Proxy | sed -n 's/^Acquire::http::Proxy "\(.*\)";$/\1/p')
    case "$proxy" in "" | DIRECT | false) proxy=${http_proxy:-} ;; esac
fi
source=$(realpath "$1")
root=$(realpath -m "${2:-$("$0" --root)}")
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || fail "making and entering a Debian 13 root needs root, or sudo (./lapinar.sh test asks for its password at the start)"
    exec sudo -n "$0" ${prepare:+--prepare} --proxy "$proxy" "$source" "$root"
fi
mkdir -p "$(dirname "$root")"
# One run at a time in the root, from whichever clone.
exec 9>"$root.lock"
flock 9
command -v debootstrap >/dev/null || fail "debootstrap is missing (the test command installs it)"

started=$SECONDS
if [ ! -f "$root/.lapinar-root" ]; then
    echo "Making the Debian 13 root from $archive"
    rm -rf --one-file-system "$root"
    # In a mount namespace of its own, so that the mounts debootstrap makes go when it ends.
    http_proxy=$proxy unshare --mount --propagation private -- \
        debootstrap --variant=minbase --components=main trixie "$root" "$archive" >"$root.log" 2>&1 ||
        { tail -n 20 "$root.log"; fail "debootstrap"; }
    touch "$root/.lapinar-root"
    echo "debootstrap: $((SECONDS - started)) s"
fi
echo "deb $archive trixie main" >"$root/etc/apt/sources.list"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
if [ -n "$proxy" ]; then
    echo "Acquire::http::Proxy \"$proxy\";" >"$root/etc/apt/apt.conf.d/00lapinar-proxy"
else
    rm -f "$root/etc/apt/apt.conf.d/00lapinar-proxy"
fi
# Packages are installed, never started: no service of the root runs on the machine.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"

# The sources as the repository has them (their times kept, so the kept build rebuilds only changes).
rm -rf --one-file-system "$root/src"
mkdir -p "$root/src"
# Every file as new (-m): the build in the root is shared by every clone, whose files' times say
# nothing of which is newer than what the build last made (a clone of an older commit, made later,
# would leave the newer sources looking built). ccache in the root keeps this a matter of minutes.
git -C "$source" ls-files -z | tar -C "$source" --null -T - -cf - | tar -C "$root/src" -xmf -

# What runs inside the root: first, with the archive, its packages brought up to date; then the
# build and the tests, with nothing of the machine's but the files.
cat >"$root/lapinar-update.sh" <<'EOF'
set -euo pipefail
step=$SECONDS
apt-get update -qq
# Whatever the archive changed since the last run (security updates above all) is taken at once.
lists=$(cat /var/lib/apt/lists/*Release | md5sum)
if [ "$lists" != "$(cat /.lapinar-lists 2>/dev/null)" ]; then
    apt-get upgrade -y -qq -o Dpkg::Options::=--force-confdef -o Dpkg::Options::=--force-confold >/apt.log 2>&1 ||
        { tail -n 30 /apt.log; exit 1; }
    echo "$lists" >/.lapinar-lists
    echo "Debian 13 upgraded: $((SECONDS - step)) s"
    step=$SECONDS
fi
# What the test command installs on the machine, as Debian 13 names it.
# The real share and LibreOffice are tried on the machine itself (handin_shares), not again here.
/src/lapinar.sh packages | tr ' ' '\n' | grep -vxE 'samba|smbnetfs|fuse3|smbclient|libreoffice-calc-nogui|unzip' |
    tr '\n' ' ' >/.lapinar-packages-wanted
if ! cmp -s /.lapinar-packages-wanted /.lapinar-packages; then
    apt-get install -y -qq --no-install-recommends $(cat /.lapinar-packages-wanted) >/apt.log 2>&1 ||
        { tail -n 30 /apt.log; exit 1; }
    cp /.lapinar-packages-wanted /.lapinar-packages
    echo "Debian 13 packages: $((SECONDS - step)) s"
fi
# The packages once installed are not kept: half a gigabyte in the build folder for nothing.
apt-get clean
EOF
cat >"$root/lapinar-run.sh" <<'EOF'
set -euo pipefail
step=$SECONDS
# The compiler's cache is kept in the root (root's home) with the build: a run from another clone, whose
# files all look new, compiles again only what really changed.
cmake -S /src -B /build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAPINAR_WERROR=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build /build --parallel 2 >/build.log 2>&1 || { grep -v '^\[' /build.log | head -n 100; exit 1; }
echo "Debian 13 build: $((SECONDS - step)) s"
step=$SECONDS
cd /build
# The README's commands from a fresh clone, and the test command's own checks, are tried on the
# machine itself (the sources here are no clone); the package is made and installed below.
ctest --output-on-failure --parallel 2 -E 'user_paths|test_command_checks|handin_shares'
echo "Debian 13 tests: $((SECONDS - step)) s"
# The package as a technician installs it: it starts with its own settings file and no word on
# standard error, then goes again.
rm -f lapinar_*.deb
cpack -G DEB >/dev/null
dpkg-deb -f lapinar_*.deb Depends
apt-get install -y -qq ./lapinar_*.deb >/dev/null
mkdir -m 700 /tmp/run
said=$(XDG_RUNTIME_DIR=/tmp/run XDG_CONFIG_HOME=/nowhere lapinar --worksheet /tmp/installed.pdf 2>&1 >/dev/null)
[ -z "$said" ] || { echo "the installed lesson says: $said"; exit 1; }
[ "$(head -c 5 /tmp/installed.pdf)" = %PDF- ] || { echo "the installed lesson wrote no worksheet"; exit 1; }
apt-get purge -y -qq lapinar >/dev/null
echo "Debian 13: built, tested, packaged, installed and purged"
EOF

# in_root SCRIPT [isolated]: runs the script in the root, in a mount namespace of its own: its mounts
# go when it ends, however it ends, and the machine's own /dev, /proc and /sys are never left
# mounted inside the build folder. Isolated, it has a network of its own, in which only the loopback
# is up (X's and D-Bus's abstract sockets meet none of the machine's), and its own IPC, host name and
# processes (an Orca elsewhere on the machine is none of its business); whatever it starts ends with it.
in_root() {
    local namespaces=()
    [ "${2:-}" != isolated ] || namespaces=(--net --ipc --uts --pid --fork --kill-child)
    unshare --mount --propagation private "${namespaces[@]}" -- /bin/bash -euo pipefail -c '
    [ "$3" != isolated ] || ip link set lo up
    # The root a mount of its own, so that in it, too, a namespace of its own can be made private.
    mount --bind "$1" "$1"
    mount -t proc proc "$1/proc"
    mount -t sysfs sysfs "$1/sys"
    mount --bind /dev "$1/dev"
    mount --bind /dev/pts "$1/dev/pts"
    mount -t tmpfs tmpfs "$1/dev/shm"
    mount -t tmpfs tmpfs "$1/tmp"
    exec chroot "$1" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive /bin/bash "$2"' debian13 "$root" "$1" "${2:-}"
}
in_root /lapinar-update.sh
[ -z "$prepare" ] || exit 0
in_root /lapinar-run.sh isolated
