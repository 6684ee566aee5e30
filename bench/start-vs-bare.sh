#!/usr/bin/env bash
# The program's start against the bare Qt window (bare_qt/window.cpp), on
# a virtual screen: milliseconds until the first window (the introduction's
# message box) is on the screen, and the peak memory after the box is closed
# and a full map (an isobar file given on the command line) is drawn. Each
# round starts every program once, in turn; the medians are printed.
#     bench/start-vs-bare.sh ISOBRA BARE_QT_WINDOW [ISOBRA...]
# Prints one line per program: NAME first-window-ms peak-KiB. Needs Xvfb and
# xdotool (Debian packages).
set -euo pipefail
cd "$(dirname "$0")/.."
ROUNDS=${ROUNDS:-7}
DISPLAY_NUMBER=${DISPLAY_NUMBER:-125}
MAP=${MAP:-tests/data/winter-isobars.cnt}
WORK=$(mktemp -d)
Xvfb ":$DISPLAY_NUMBER" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$WORK"' EXIT
export DISPLAY=":$DISPLAY_NUMBER"
unset QT_QPA_PLATFORM
# A busy machine may take more than a second to bring the screen up.
for _ in $(seq 1 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done

now_ms() { date +%s%3N; }

# Starts one program; prints "first-window-ms peak-KiB".
measure() {
    local start pid box ms peak
    start=$(now_ms)
    HOME="$WORK" "$@" >/dev/null 2>&1 &
    pid=$!
    box=""
    for _ in $(seq 1 2000); do
        box=$(xdotool search --onlyvisible --name 'はじめに' 2>/dev/null | head -1 || true)
        [ -n "$box" ] && break
        sleep 0.002
    done
    ms=$(($(now_ms) - start))
    xdotool windowfocus --sync "$box" key Return >/dev/null 2>&1 || true
    # The map is drawn once the box is gone; give it time to settle.
    sleep 1.5
    peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status" 2>/dev/null || true)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ -z "$box" ] || [ -z "$peak" ]; then
        echo "start-vs-bare: $1 ended or showed no window; this run is left out" >&2
        return 0
    fi
    echo "$ms $peak"
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

programs=("$@")
for p in "${programs[@]}"; do : >"$WORK/$(basename "$p").$(echo "$p" | md5sum | cut -c1-6)"; done
for _ in $(seq 1 "$ROUNDS"); do
    for p in "${programs[@]}"; do
        args=()
        case $(basename "$p") in bare*) ;; *) args=("$MAP") ;; esac
        measure "$p" "${args[@]}" >>"$WORK/$(basename "$p").$(echo "$p" | md5sum | cut -c1-6)"
    done
done
for p in "${programs[@]}"; do
    f="$WORK/$(basename "$p").$(echo "$p" | md5sum | cut -c1-6)"
    echo "$p $(cut -d' ' -f1 "$f" | median) $(cut -d' ' -f2 "$f" | median)"
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
