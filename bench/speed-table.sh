#!/usr/bin/env bash
# The speed goals, before and after, from two builds side by side: each
# round runs the old build and then the new one, and the table gives the
# medians over the rounds, with the load average. CPU time is the steadier
# figure on a busy machine; wall time is printed beside it.
#     bench/speed-table.sh OLD_BUILD_DIR [NEW_BUILD_DIR]
# Each build needs isobra-render, isobra, bench/isobra_bench and (in the new
# one) bench/bare_qt_window. ROUNDS (default 5) sets the rounds.
set -euo pipefail
cd "$(dirname "$0")/.."
OLD=$(readlink -f "$1")
NEW=$(readlink -f "${2:-build}")
ROUNDS=${ROUNDS:-5}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export QT_QPA_PLATFORM=offscreen

# The example with its pressures moved a little, so that no two maps are
# the same (as bench/many-maps.sh makes them).
mkdir "$WORK/in"
for k in $(seq 0 999); do
    sed "s/ 10\([0-9]\)\([0-9]\) ,/ 10\1$((k % 10)) ,/; s/  99\([0-9]\) ,/  99$(((k / 10) % 10)) ,/" \
        examples/winter.dat >"$WORK/in/m$k.dat"
done
mapfile -t maps < <(ls "$WORK"/in/*.dat)

# Runs a command; prints "WALL_NS CPU_NS".
timed() {
    local start end
    start=$(date +%s%N)
    /usr/bin/time -o "$WORK/time" -f "%U %S" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$((end - start)) $(awk '{printf "%d", ($1 + $2) * 1e9}' "$WORK/time")"
}
median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
record() { echo "$2" >>"$WORK/$1"; }  # NAME VALUE
med() { median <"$WORK/$1"; }

# Milliseconds per map of `count` maps with these output options, one thread.
batch() {  # BUILD NAME COUNT OPTIONS...
    local build=$1 name=$2 count=$3
    shift 3
    # A new folder each time, the old ones left until the end: ext4 spends
    # a good part of a map's CPU looking past the inodes of files deleted
    # just before, which would measure the last round's clean-up.
    local out
    out=$(mktemp -d -p "$WORK")
    read -r wall cpu < <(timed "$build/isobra-render" --out-dir "$out" --jobs 1 --layers map,isobars "$@" \
        "${maps[@]:0:$count}")
    record "$name.wall" "$(awk -v n="$wall" -v c="$count" 'BEGIN {printf "%.3f", n / c / 1e6}')"
    record "$name.cpu" "$(awk -v n="$cpu" -v c="$count" 'BEGIN {printf "%.3f", n / c / 1e6}')"
}

# Microseconds of CPU for one construction of the example's grid.
construct() {  # BUILD NAME
    "$1/bench/isobra_bench" --benchmark_filter='BM_Construct$' --benchmark_repetitions=3 \
        --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
        awk -F, '/_median/ {print $4}' | while read -r us; do record "$2.grid" "$us"; done
}

for _ in $(seq 1 "$ROUNDS"); do
    for side in old new; do
        build=$OLD
        [ $side = new ] && build=$NEW
        batch "$build" "$side.png" 1000 --png
        batch "$build" "$side.pdfpng" 200 --png
        batch "$build" "$side.pdf" 200 --pdf
        construct "$build" "$side"
    done
done

row() {  # GOAL WHAT UNIT OLD NEW TARGET
    printf "%-34s %-28s %10s %10s   %s\n" "$1" "$2" "$4 $3" "$5 $3" "$6"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
printf "%-34s %-28s %10s %10s   %s\n" "goal" "measure" "before" "after" "target"
row "map (--out-dir --jobs 1, 1000)" "CPU per map" ms "$(med old.png.cpu)" "$(med new.png.cpu)" "<= 1.0 ms"
row "" "wall per map" ms "$(med old.png.wall)" "$(med new.png.wall)" ""
row "grid construction (example)" "CPU per construction" us "$(med old.grid)" "$(med new.grid)" "<= 60 us"
row "PDF against PNG (200 maps)" "CPU per PDF / per PNG" x "$(ratio "$(med old.pdf.cpu)" "$(med old.pdfpng.cpu)")" \
    "$(ratio "$(med new.pdf.cpu)" "$(med new.pdfpng.cpu)")" "<= 1.5x"
row "" "CPU per PDF" ms "$(med old.pdf.cpu)" "$(med new.pdf.cpu)" ""

# The start, on a virtual screen, against the bare Qt window.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && [ -x "$NEW/bench/bare_qt_window" ]; then
    ROUNDS=$ROUNDS bench/start-vs-bare.sh "$NEW/bench/bare_qt_window" "$OLD/isobra" "$NEW/isobra" >"$WORK/start"
    read -r _ bareMs bareKiB < <(sed -n 1p "$WORK/start")
    read -r _ oldMs oldKiB < <(sed -n 2p "$WORK/start")
    read -r _ newMs newKiB < <(sed -n 3p "$WORK/start")
    row "start against a bare Qt window" "first window" x "$(ratio "$oldMs" "$bareMs")" "$(ratio "$newMs" "$bareMs")" \
        "<= 1.1x"
    row "" "peak memory after a full map" x "$(ratio "$oldKiB" "$bareKiB")" "$(ratio "$newKiB" "$bareKiB")" "<= 1.1x"
    echo "(bare window: first window ${bareMs} ms, peak ${bareKiB} KiB; before ${oldMs} ms, ${oldKiB} KiB;" \
        "after ${newMs} ms, ${newKiB} KiB)"
fi
echo "rounds: $ROUNDS; load average: $(cut -d' ' -f1-3 /proc/loadavg)"
