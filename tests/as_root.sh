#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one test that needs root (giving files to other logins, a Samba server, mounts, a Debian 13
# root) as root: at once when it is root already, else through `sudo -n`, which works while the
# password that ./lapinar.sh test asked for at the start is still fresh (the test command renews it
# until it ends). The test keeps the environment CTest gave it, but for the home and the login. What
# it leaves in the build folder goes back to the contributor when it ends, so that nothing in the
# clone belongs to root.
#   as_root.sh BUILD-FOLDER COMMAND [ARGUMENT...]
set -euo pipefail
build=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    if ! sudo -n true 2>/dev/null; then
        echo "as_root: $(basename "$1") needs root, and sudo -n cannot give it to $(id -un) now: run it as" \
            "root, or through ./lapinar.sh test, which asks for the sudo password once at the start" >&2
        exit 1
    fi
    vars=()
    while IFS= read -r -d '' var; do
        case "$var" in HOME=* | USER=* | LOGNAME=* | MAIL=* | SUDO_*) ;; *) vars+=("$var") ;; esac
    done < <(env -0)
    exec sudo -n -- /usr/bin/env -i "${vars[@]}" HOME=/root USER=root LOGNAME=root \
        LAPINAR_AS_ROOT_FOR="$(id -u):$(id -g)" "$0" "$build" "$@"
fi
[ -n "${LAPINAR_AS_ROOT_FOR:-}" ] || exec "$@"
# Root's own programs (useradd, smbd), which a contributor's PATH seldom names.
PATH=/usr/local/sbin:/usr/sbin:/sbin:$PATH
# git, as root, takes the contributor's clone for someone else's and would neither read nor clone it
# unless told (in a global settings file: a clone's helper does not see the command line's).
settings=$(mktemp)
printf '[include]\n\tpath = /root/.gitconfig\n[safe]\n\tdirectory = *\n' >"$settings"
export GIT_CONFIG_GLOBAL=$settings
# Also when the test fails or is stopped for taking too long.
trap 'rm -f "$settings"; chown -R -h --from=0 "$LAPINAR_AS_ROOT_FOR" "$build"' EXIT
"$@"
