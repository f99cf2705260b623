#!/usr/bin/env bash
# Runs Windows programs under Wine, headless, in a prefix of their own.
#
#   wine.sh start LOADER PREFIX          creates the prefix (about 10 to 20 s) unless it is there
#   wine.sh run LOADER PREFIX [NAME=VALUE...] PROGRAM [ARG...]
#                                        runs PROGRAM with those variables (LANG, LC_ALL: the
#                                        Windows locale Wine gives it); its status is the program's
#   wine.sh stop LOADER PREFIX           ends the prefix's wineserver
#
# Exits with status 77 (a skipped test) only when Wine cannot start at all: no loader, or a
# prefix it cannot create. Any other failure is the program's.
set -uo pipefail
action=$1
loader=$2
prefix=$3
shift 3

export WINEPREFIX=$prefix
export WINEDEBUG=-all                 # no fixme: lines among the program's own output
export WINEDLLOVERRIDES="mscoree,mshtml=" # no offer to install Mono or Gecko
unset DISPLAY WAYLAND_DISPLAY          # console programs need no window system

cannot_start() {
    echo "SKIPPED: Wine cannot start here ($1); the Windows programs were built but not run." >&2
    echo "Install Debian's wine64 (scripts/install-deps) to run them." >&2
    exit 77
}

# A prefix is made once per Wine version: a newer Wine would update an older prefix on the first
# run and say so on stderr, among the program's output.
marker=$prefix/.quellfin-ready
ready() { [[ -f $prefix/system.reg && -f $marker ]]; }

case $action in
start)
    [[ -x $loader ]] || cannot_start "no Wine loader at '$loader'"
    version=$("$loader" --version 2>/dev/null)
    if ! ready || [[ $(<"$marker") != "$version" ]]; then
        rm -rf "$prefix"
        mkdir -p "$(dirname "$prefix")"
        if ! log=$("$loader" wineboot --init 2>&1) || [[ ! -f $prefix/system.reg ]]; then
            cannot_start "wineboot could not create $prefix: $(tail -n 3 <<<"$log")"
        fi
        "$(dirname "$loader")/wineserver" --wait
        echo "$version" >"$marker"
    fi
    echo "Wine prefix ready: $prefix ($version)"
    ;;
run)
    [[ -x $loader ]] || cannot_start "no Wine loader at '$loader'"
    ready || cannot_start "no prefix at $prefix (the wine_start test creates it)"
    settings=()
    while (($#)) && [[ $1 =~ ^[A-Za-z_][A-Za-z0-9_]*= ]]; do
        settings+=("$1")
        shift
    done
    exec env "${settings[@]}" "$loader" "$@"
    ;;
stop)
    [[ -x $loader ]] || exit 0
    "$(dirname "$loader")/wineserver" --kill 2>/dev/null
    exit 0
    ;;
*)
    echo "usage: wine.sh start|run|stop LOADER PREFIX [PROGRAM ARG...]" >&2
    exit 2
    ;;
esac
