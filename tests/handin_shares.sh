#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Hand-ins on real school shares, as the README's recipes set them up: a Samba server (smbd) of this
# test's own, on the loopback of a network namespace of its own, sharing a class folder of boxes made
# by lapinar-boxes (one box per pupil, which the server lets only that pupil write in) and a flat
# class folder made with `install -d -m 3733 -o teacher -g teachers`; pupils who are real logins
# handing in through the share mounted with FUSE (smbnetfs), each with their own Samba account, and
# for the whole machine under one school account; one pupil trying to pass as another or to bury the
# class under junk; the teacher's class view reading the folder through the teacher's own mount,
# where every file shows the teacher as its owner; and the merged CSV opened by LibreOffice with ','
# and with ';' as separator, where no cell may be a formula.
#   handin_shares.sh HANDIN_PROBE LAPINAR LAPINAR_BOXES
# It needs root (logins, a server, mounts) and the packages the test command installs; without
# them it fails with one line saying why.
set -euo pipefail
probe=$1
lapinar=$2
boxes_command=$3

fail() {
    echo "handin_shares: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || fail "needs root, to add logins, start smbd and mount the share (CTest runs it as root, through sudo when need be)"
for tool in smbd smbpasswd smbnetfs fusermount soffice unzip unshare useradd ip; do
    command -v "$tool" >/dev/null || fail "$tool is missing: ./lapinar.sh test installs it"
done
[ -c /dev/fuse ] || fail "/dev/fuse is missing: FUSE is needed to mount the share"

# Everything below runs in namespaces of its own: a network with nothing but its own loopback (so
# the server is this test's alone, on 127.0.0.1:445) and mounts nobody else sees.
if [ -z "${LAPINAR_SHARES_INSIDE:-}" ]; then
    tmp=$(mktemp -d /tmp/lapinar-shares.XXXXXX)
    chmod 755 "$tmp"
    # Logins of this run alone, removed at the end, whatever happens.
    tag=lp$$
    users=("${tag}ann" "${tag}bob" "${tag}tea" "${tag}sch" "${tag}cy" "${tag}dor")
    cleanup() {
        for u in "${users[@]}"; do userdel "$u" >/dev/null 2>&1 || true; done
        groupdel "${tag}teachers" >/dev/null 2>&1 || true
        rm -rf --one-file-system "$tmp"
    }
    trap cleanup EXIT
    groupadd "${tag}teachers"
    for u in "${users[@]}"; do useradd -M -N -d "$tmp/home/$u" -s /usr/sbin/nologin "$u"; done
    usermod -a -G "${tag}teachers" "${tag}tea"
    LAPINAR_SHARES_INSIDE=1 TAG=$tag TMPROOT=$tmp unshare --net --mount --fork bash ${LAPINAR_SHARES_TRACE:+-x} "$0" \
        "$probe" "$lapinar" "$boxes_command"
    exit $?
fi

tag=$TAG
tmp=$TMPROOT
ann=${tag}ann bob=${tag}bob teacher=${tag}tea school=${tag}sch cy=${tag}cy dora=${tag}dor
ip link set lo up
mount --make-rprivate /
# A FUSE device that the pupils may open, in this mount namespace only.
cp -a /dev/fuse "$tmp/fuse"
chmod 666 "$tmp/fuse"
mount --bind "$tmp/fuse" /dev/fuse
# The programs where the test's logins reach them: a contributor's home is often closed to other
# logins (Debian makes homes 0700), so a folder they cannot reach is shown again under $tmp, in this
# mount namespace only.
reach() { # variable naming a program
    runuser -u "$ann" -- test -x "${!1}" && return 0
    mkdir -p "$tmp/reach/$1"
    mount --bind "$(dirname "${!1}")" "$tmp/reach/$1"
    printf -v "$1" '%s' "$tmp/reach/$1/$(basename "${!1}")"
}
for program in probe lapinar boxes_command; do reach $program; done

# The class folders on the server: the README's recipe, and one for the whole machine's school account.
mkdir -p "$tmp/share" "$tmp/boxshare" "$tmp/samba"/{private,lock,state,cache,pid} "$tmp/home"
chmod 755 "$tmp/share"
install -d -m 3733 -o "$teacher" -g "${tag}teachers" "$tmp/share/class"
install -d -m 0700 -o "$school" "$tmp/share/wide"
conf=$tmp/samba/smb.conf
cat >"$conf" <<EOF
[global]
    server role = standalone server
    interfaces = lo
    bind interfaces only = yes
    smb ports = 445
    private dir = $tmp/samba/private
    lock directory = $tmp/samba/lock
    state directory = $tmp/samba/state
    cache directory = $tmp/samba/cache
    pid directory = $tmp/samba/pid
    ncalrpc dir = $tmp/samba/ncalrpc
    log file = $tmp/samba/log.%m
    passdb backend = tdbsam:$tmp/samba/private/passdb.tdb
    map to guest = never
    load printers = no
    disable spoolss = yes
    server min protocol = SMB2
[lapinar]
    path = $tmp/share
    read only = no
    # The README's two lines: a folder pupils may write in but not list refuses new files unless
    # names are looked up as they are written; and Samba gives new files its own mode, not the
    # lesson's, so the share says the hand-in's: the teacher's group reads it, no classmate does.
    case sensitive = yes
    create mask = 0640
# The README's share for a folder of boxes, as a stock server has it: nothing but the path.
[boxes]
    path = $tmp/boxshare
    read only = no
EOF
for u in "$ann" "$bob" "$teacher" "$school" "$cy" "$dora"; do
    printf 'pw-%s\npw-%s\n' "$u" "$u" | smbpasswd -c "$conf" -s -a "$u" >/dev/null
done
# In a session of its own: smbd ends its whole process group as it stops.
setsid smbd -s "$conf" -F --no-process-group >"$tmp/samba/smbd.out" 2>&1 &
smbd_pid=$!
# The server is up once it answers on its port; asked, not waited for.
for ((i = 0; i < 600; i++)); do
    if (exec 3<>/dev/tcp/127.0.0.1/445) 2>/dev/null; then break; fi
    kill -0 "$smbd_pid" 2>/dev/null || fail "smbd ended: $(tail -3 "$tmp/samba/smbd.out")"
    sleep 0.1
done
(exec 3<>/dev/tcp/127.0.0.1/445) 2>/dev/null || fail "smbd does not answer on 127.0.0.1:445 after 60 s"

mounted=()
finish() {
    for m in "${mounted[@]}"; do fusermount -u -z "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true; done
    kill "$smbd_pid" 2>/dev/null || true
    wait "$smbd_pid" 2>/dev/null || true
}
trap finish EXIT

# Mounts the share with smbnetfs as login $1 (the Samba account $2) at $3, and waits until the
# class folder can be reached through it.
mount_share() {
    local login=$1 account=$2 where=$3 home=$tmp/home/$1
    shift 3
    mkdir -p "$home/.smb" "$where"
    printf 'auth "127.0.0.1" "%s" "pw-%s"\nuse_libsecret "false"\nsmb_query_browsers "false"\n' \
        "$account" "$account" >"$home/.smb/smbnetfs.conf"
    printf '[global]\n    client min protocol = SMB2\n' >"$home/.smb/smb.conf"
    chown -R "$login" "$home"
    chmod 700 "$home/.smb"
    chmod 600 "$home/.smb/smbnetfs.conf"
    chown "$login" "$where"
    runuser -u "$login" -- env HOME="$home" smbnetfs "$where" "$@"
    mounted+=("$where")
    for ((i = 0; i < 600; i++)); do
        if runuser -u "$login" -- test -d "$where/127.0.0.1/lapinar" &&
            runuser -u "$login" -- test -d "$where/127.0.0.1/boxes"; then return 0; fi
        sleep 0.1
    done
    fail "the share mounted by $login at $where shows no 127.0.0.1/lapinar and boxes after 60 s"
}

# Hands in as login $1 into folder $2 the cells that follow; prints what became of it.
hand_in() {
    local login=$1 folder=$2
    shift 2
    runuser -u "$login" -- env HOME="$tmp/home/$login" XDG_STATE_HOME="$tmp/home/$login/state" \
        XDG_CACHE_HOME="$tmp/home/$login/cache" "$probe" "$folder" "$@" 2>>"$tmp/probe.err"
}

expect() { # what, actual, expected
    [ "$2" = "$3" ] || fail "$1: '$2', not '$3' $(tail -3 "$tmp/probe.err" 2>/dev/null)"
}

# The class view's merged CSV of folder $1, read as login $2; its standard error goes to $3.
class_csv() {
    local out=$tmp/home/$2/out
    mkdir -p "$out"
    chown "$2" "$out"
    runuser -u "$2" -- env HOME="$tmp/home/$2" "$lapinar" --class "$1" --csv "$out/class.csv" 2>"$3" ||
        fail "the class view could not write the merged CSV: $(cat "$3")"
    cat "$out/class.csv"
}

# 1. Each pupil mounts the share with their own account.
mount_share "$ann" "$ann" "$tmp/home/$ann/mnt"
mount_share "$bob" "$bob" "$tmp/home/$bob/mnt"
through() { echo "$tmp/home/$1/mnt/127.0.0.1/lapinar/class"; }
# Bob puts a file under Ann's name before she hands in: hers goes under a name of its own.
squat="pupil,year,rabbits"
for year in 0 1 2 3 4 5 6 7 8 9; do squat+=$'\n'"$ann,$year,0"; done
printf '%s\n' "$squat" | runuser -u "$bob" -- sh -c "cat > '$(through "$bob")/$ann.csv'" ||
    fail "bob could not write into the class folder through his mount"
expect "ann's first hand-in" "$(hand_in "$ann" "$(through "$ann")" 10 20 30 40 50 60 70 80 90 99)" \
    "handed in under a name of its own"
expect "bob's hand-in" "$(hand_in "$bob" "$(through "$bob")" 1 2 3 '' 5 6 7 8 9 10)" "handed in"
expect "bob's corrected hand-in" "$(hand_in "$bob" "$(through "$bob")" 11 2 3 '' 5 6 7 8 9 10)" "handed in"
mode=$(stat -c '%a %G' "$tmp/share/class/$bob.csv")
expect "bob's hand-in on the server" "$mode" "640 ${tag}teachers"
csv=$(class_csv "$tmp/share/class" "$teacher" "$tmp/class.err")
grep -q "^$ann,9,99," <<<"$csv" || fail "the teacher does not see ann's own hand-in: $csv"
grep -q "^$bob,0,11," <<<"$csv" || fail "the teacher does not see bob's corrected hand-in: $csv"
grep -q "^$bob,3,,," <<<"$csv" || fail "bob's blank year is not blank: $csv"
grep -q "named after $ann, but written by $bob" "$tmp/class.err" ||
    fail "the squatted file is not named as such: $(cat "$tmp/class.err")"
# A classmate can neither read nor replace another's hand-in on the server.
if runuser -u "$bob" -- cat "$tmp/share/class/$bob.csv" >/dev/null 2>&1 &&
    runuser -u "$ann" -- cat "$tmp/share/class/$bob.csv" >/dev/null 2>&1; then
    fail "ann can read bob's hand-in"
fi

# 2. The share mounted once for the whole machine under the school's account: every file shows one
# owner, every hand-in after the first still gets through, and the teacher is told that the share
# cannot prove who wrote which file.
mount_share root "$school" "$tmp/wide" -o allow_other
wide=$tmp/wide/127.0.0.1/lapinar/wide
expect "ann's hand-in on the machine's mount" "$(hand_in "$ann" "$wide" 5 '=1+1' 'pc;=1+1' 1 2 3 4 5 6 7)" "handed in"
expect "bob's hand-in on the machine's mount" "$(hand_in "$bob" "$wide" 6 7 8 9 10 11 12 13 14 15)" "handed in"
expect "ann's second hand-in on the machine's mount" \
    "$(hand_in "$ann" "$wide" 5 '=1+1' 'pc;=1+1' 1 2 3 4 5 6 8)" "handed in"
csv=$(class_csv "$tmp/share/wide" root "$tmp/wide.err")
wide_csv=$csv
grep -q "^$ann,9,8," <<<"$csv" || fail "ann's second hand-in is not the one the teacher sees: $csv"
grep -q "^$bob,0,6," <<<"$csv" || fail "bob's hand-in is missing: $csv"
# The window's words, as the report prints them.
runuser -u root -- "$lapinar" --class "$tmp/share/wide" --report "$tmp/wide.pdf" 2>/dev/null
words=$(pdftotext "$tmp/wide.pdf" - | tr '\n' ' ')
grep -q "cannot prove who wrote which file" <<<"$words" ||
    fail "the report does not say that the share cannot prove who wrote which file: $words"
grep -q "$ann (unproven)" <<<"$words" || fail "the machine-wide hand-ins are not marked unproven: $words"

# 3. A folder of boxes, made on the server by the technician's one command, on a stock share.
list=$tmp/5b.txt
# Where every login may run it, as from the package.
install -m 755 "$boxes_command" "$tmp/lapinar-boxes"
boxes_command=$tmp/lapinar-boxes
printf '# class 5b\n%s\n%s\n\n%s\n' "$ann" "$bob" "$cy" >"$list"
boxes=$tmp/boxshare/5b
refused() { # what, expected words, command...
    local what=$1 words=$2 out
    shift 2
    if out=$("$@" 2>&1); then fail "lapinar-boxes did not refuse $what: $out"; fi
    grep -q "$words" <<<"$out" || fail "lapinar-boxes refused $what without saying why: $out"
    [ ! -e "$boxes" ] || [ -L "$boxes" ] || fail "lapinar-boxes refused $what but made $boxes"
}
refused "a pupil" "must run as root" runuser -u "$bob" -- "$boxes_command" --teachers "${tag}teachers" --list "$list" "$boxes"
refused "a group that does not exist" "there is no group" "$boxes_command" --teachers "${tag}none" --list "$list" "$boxes"
printf 'nosuch%s\n' "$tag" >>"$list"
refused "a login that does not exist" "line 6 of $list: there is no login nosuch$tag" \
    "$boxes_command" --teachers "${tag}teachers" --list "$list" "$boxes"
sed -i '$d' "$list"
mkdir "$tmp/elsewhere"
ln -s "$tmp/elsewhere" "$boxes"
refused "a folder that is a link" "is a link" "$boxes_command" --teachers "${tag}teachers" --list "$list" "$boxes"
[ -z "$(ls -A "$tmp/elsewhere")" ] || fail "lapinar-boxes wrote through the link"
rm "$boxes"
"$boxes_command" --teachers "${tag}teachers" --list "$list" "$boxes" >"$tmp/boxes.out" ||
    fail "lapinar-boxes failed: $(cat "$tmp/boxes.out")"
grep -q "3 boxes made, 0 already there" "$tmp/boxes.out" || fail "lapinar-boxes said: $(cat "$tmp/boxes.out")"
expect "the class folder" "$(stat -c '%a %U %G' "$boxes")" "2771 root ${tag}teachers"
expect "ann's box" "$(stat -c '%a %U %G' "$boxes/$ann")" "2750 $ann ${tag}teachers"
# Run again with one more pupil: one box more, nothing else changed.
echo "$dora" >>"$list"
"$boxes_command" --teachers "${tag}teachers" --list "$list" "$boxes" >"$tmp/boxes.out"
grep -q "1 boxes made, 3 already there" "$tmp/boxes.out" || fail "lapinar-boxes again said: $(cat "$tmp/boxes.out")"

mount_share "$cy" "$cy" "$tmp/home/$cy/mnt"
mount_share "$dora" "$dora" "$tmp/home/$dora/mnt"
mount_share "$teacher" "$teacher" "$tmp/home/$teacher/mnt"
mount_share "$school" "$school" "$tmp/home/$school/mnt"
box() { echo "$tmp/home/$1/mnt/127.0.0.1/boxes/5b"; }
expect "ann's hand-in into her box" "$(hand_in "$ann" "$(box "$ann")" 10 20 30 40 50 60 70 80 90 99)" "handed in"
expect "cy's hand-in into his box" "$(hand_in "$cy" "$(box "$cy")" 3 '' 5 6 7 8 9 10 11 12)" "handed in"
[ -s "$boxes/$ann/$ann.csv" ] || fail "ann's hand-in is not in her box on the server"
# bob tries to pass as ann: the server refuses him her box, and the top of the class folder.
if runuser -u "$bob" -- sh -c "printf '%s\n' '$squat' > '$(box "$bob")/$ann/$ann.csv'" 2>/dev/null; then
    fail "the server let bob write into ann's box"
fi
if runuser -u "$bob" -- sh -c "printf '%s\n' '$squat' > '$(box "$bob")/$ann.csv'" 2>/dev/null; then
    fail "the server let bob write at the top of the class folder"
fi
if runuser -u "$bob" -- ls "$(box "$bob")/$ann" >/dev/null 2>&1; then fail "bob can list ann's box"; fi
[ ! -e "$boxes/$ann.csv" ] || fail "bob's file is at the top of the class folder"
expect "bob's hand-in into his box" "$(hand_in "$bob" "$(box "$bob")" 1 2 3 4 5 6 7 8 9 10)" "handed in"
# ... and buries his box under junk, as his own login on the server.
runuser -u "$bob" -- sh -c "cd '$boxes/$bob' && seq -f 'junk%06g.csv' 1 100000 | xargs touch" ||
    fail "bob could not fill his own box"
# A pupil with no box is told so, and writes nothing.
expect "a pupil with no box" "$(hand_in "$school" "$(box "$school")" 1 2 3 4 5 6 7 8 9 10)" "failed: told there is no box"

# The teacher, through the teacher's own mount, where every file shows the teacher as its owner.
teacher_boxes=$(box "$teacher")
start=$(date +%s)
csv=$(class_csv "$teacher_boxes" "$teacher" "$tmp/boxes.err")
grep -q "^$ann,9,99,.*,yes$" <<<"$csv" || fail "the teacher does not see ann's numbers as ann's: $csv"
grep -q "^$bob,0,1,.*,yes$" <<<"$csv" || fail "the teacher does not see bob's numbers as bob's: $csv"
grep -q "^$cy,1,,.*,yes$" <<<"$csv" || fail "cy's blank year is not blank: $csv"
grep -q "^$dora,0,,.*,no$" <<<"$csv" || fail "dora, who has a box and no hand-in, is not said to be missing: $csv"
if grep -q "written by\|claim\|box others" "$tmp/boxes.err"; then
    fail "the view flags a hand-in in a folder of boxes: $(cat "$tmp/boxes.err")"
fi
echo "handin_shares: the teacher's mount read the boxes, 100,000 junk files among them, in $(($(date +%s) - start)) s"
runuser -u "$teacher" -- env HOME="$tmp/home/$teacher" "$lapinar" --class "$teacher_boxes" \
    --report "$tmp/home/$teacher/out/5b.pdf" 2>/dev/null || fail "the teacher's report of the boxes was not written"
words=$(pdftotext "$tmp/home/$teacher/out/5b.pdf" - | tr '\n' ' ')
for said in "Pupils who handed in: 3" "A folder of boxes" "Not handed in .*: $dora" "$ann +10 +20 +30 +40 +50 +60 +70 +80 +90 +99"; do
    grep -qE "$said" <<<"$words" || fail "the report of the boxes lacks '$said': $words"
done

# 4. The merged CSV in LibreOffice, split on ',' and on ';': no cell is a formula.
printf '%s\n' "$wide_csv" >"$tmp/class.csv"
for separator in 44 59; do
    rm -f "$tmp/class.ods"
    HOME=$tmp/home soffice -env:UserInstallation="file://$tmp/lo" --headless --infilter="CSV:$separator,34,76,1" \
        --convert-to ods --outdir "$tmp" "$tmp/class.csv" >/dev/null 2>&1 ||
        fail "LibreOffice could not convert the merged CSV"
    content=$(unzip -p "$tmp/class.ods" content.xml)
    grep -q "$bob" <<<"$content" || fail "LibreOffice's table lacks the class's rows (separator $separator)"
    if grep -q 'table:formula' <<<"$content"; then
        fail "a cell of the merged CSV is a formula in LibreOffice (separator $separator)"
    fi
done
echo "handin_shares: handed in into boxes and a flat folder through per-pupil and machine-wide Samba mounts; the class view and LibreOffice agree"
