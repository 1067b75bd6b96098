#!/usr/bin/env bash
# Runs a Windows program of a build tree under Wine, as ctest's emulator and
# for the program's main job:
#   wine-run.sh PROGRAM.exe [ARGUMENT...]   runs it; its exit code is passed on
#   wine-run.sh --shutdown BUILD-TREE       ends the tree's Wine session and display
# Each build tree has a private Wine prefix (created once: CJK fonts mapped by
# font substitutes, no crash dialog) and, when DISPLAY is unset, one virtual X
# display kept for the runs that follow: a Wine session stays bound to the
# display it started on.
set -uo pipefail

find_tree() {
    local dir
    dir=$(cd "$1" && pwd) || return 1
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
    [ "$dir" != / ] && echo "$dir"
}

if [ "${1:-}" = --shutdown ]; then
    tree=$(find_tree "${2:-.}") || exit 0
else
    if [ $# -lt 1 ]; then
        echo "usage: wine-run.sh PROGRAM.exe [ARGUMENT...] | --shutdown BUILD-TREE" >&2
        exit 2
    fi
    exe=$1
    shift
    tree=$(find_tree "$(dirname "$exe")") || {
        echo "wine-run.sh: $exe is not inside a build tree" >&2
        exit 2
    }
fi

source "$(dirname "$0")/wine-loader.sh"
choose_wine_loader

export WINEPREFIX="$tree/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer is offered in a fresh prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
display_file="$tree/wine-display"
pid_file="$tree/wine-display.pid"

if [ "${1:-}" = --shutdown ]; then
    wineserver -k 2>/dev/null
    [ -f "$pid_file" ] && kill "$(cat "$pid_file")" 2>/dev/null
    rm -f "$display_file" "$pid_file"
    exit 0
fi

xvfb_alive() { [ -s "$display_file" ] && xdpyinfo -display "$(cat "$display_file")" >/dev/null 2>&1; }

start_xvfb() {
    local number_file
    number_file=$(mktemp)
    setsid Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$number_file" >/dev/null 2>&1 </dev/null &
    echo $! >"$pid_file"
    # A loaded machine can take many seconds to bring the server up.
    for _ in $(seq 600); do
        [ -s "$number_file" ] && break
        sleep 0.1
    done
    [ -s "$number_file" ] && echo ":$(head -n 1 "$number_file")" >"$display_file"
    rm -f "$number_file"
    for _ in $(seq 100); do
        xvfb_alive && return
        sleep 0.1
    done
}

create_prefix() {
    rm -rf "$WINEPREFIX"
    "${wine[@]}" wineboot -i >/dev/null 2>&1
    local reg font="WenQuanYi Micro Hei"
    reg=$(mktemp --suffix=.reg)
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
        # Xvfb has no window manager: Wine draws the captions and frames itself.
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n\r\n'
        for key in 'Software' 'Software\Wow6432Node'; do
            printf '[HKEY_LOCAL_MACHINE\\%s\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n' "$key"
            for name in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "宋体" "SimSun"; do
                printf '"%s"="%s"\r\n' "$name" "$font"
            done
            printf '\r\n'
        done
    } | iconv -f UTF-8 -t UTF-16 >"$reg"
    "${wine[@]}" regedit "$reg" >/dev/null 2>&1
    rm -f "$reg"
    wineserver -w
    touch "$WINEPREFIX/.zv-ready"
}

# One run at a time sets up the display and the prefix; what they start must
# not inherit the lock.
(
    flock 9
    if [ -z "${DISPLAY:-}" ]; then
        xvfb_alive || start_xvfb 9>&-
        xvfb_alive || {
            echo "wine-run.sh: Xvfb did not start" >&2
            exit 2
        }
        DISPLAY=$(cat "$display_file")
        export DISPLAY
    fi
    [ -f "$WINEPREFIX/.zv-ready" ] || create_prefix 9>&-
) 9>"$tree/wineprefix.lock" || exit 2

[ -n "${DISPLAY:-}" ] || DISPLAY=$(cat "$display_file")
export DISPLAY
"${wine[@]}" "$exe" "$@"
