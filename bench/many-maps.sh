#!/usr/bin/env bash
# Many maps with isobra-render: 1000 maps with --png in one process on one
# thread, and 60 files rendered one process per file against one process
# with --out-dir --jobs 1, side by side, start-up included. Prints wall and
# CPU time per map; on a busy machine the CPU time is the steadier figure.
#     bench/many-maps.sh [BINARY]
set -euo pipefail
cd "$(dirname "$0")/.."
BIN=${1:-build/isobra-render}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir "$WORK/in"
# 1000 observation files: the example with its pressures moved a little,
# so that no two neighbours draw the same map.
for k in $(seq 0 999); do
    sed "s/ 10\([0-9]\)\([0-9]\) ,/ 10\1$((k % 10)) ,/; s/  99\([0-9]\) ,/  99$(((k / 10) % 10)) ,/" \
        examples/winter.dat >"$WORK/in/m$k.dat"
done

now() { date +%s%N; }
# Runs a command; prints "WALL_NS CPU_NS" (CPU of the command and its children).
timed() {
    local start end
    start=$(now)
    /usr/bin/time -o "$WORK/time" -f "%U %S" "$@" >/dev/null 2>&1 || true
    end=$(now)
    echo "$((end - start)) $(awk '{printf "%d", ($1 + $2) * 1e9}' "$WORK/time")"
}
per_map() {  # NS COUNT -> milliseconds per map
    awk -v ns="$1" -v n="$2" 'BEGIN {printf "%.2f", ns / n / 1e6}'
}

mapfile -t all < <(ls "$WORK"/in/*.dat)
read -r wall cpu < <(timed "$BIN" --out-dir "$WORK/out1000" --png --jobs 1 "${all[@]}")
echo "1000 maps, one process, --jobs 1: $(per_map "$wall" 1000) ms wall, $(per_map "$cpu" 1000) ms CPU per map"

sixty=("${all[@]:0:60}")
mkdir "$WORK/each"
start=$(now)
cpu_total=0
for f in "${sixty[@]}"; do
    read -r _ cpu < <(timed "$BIN" "$f" --png "$WORK/each/$(basename "$f" .dat).png")
    cpu_total=$((cpu_total + cpu))
done
end=$(now)
each_wall=$((end - start))
read -r batch_wall batch_cpu < <(timed "$BIN" --out-dir "$WORK/batch" --png --jobs 1 "${sixty[@]}")
echo "60 files, a process each:         $(per_map "$each_wall" 60) ms wall, $(per_map "$cpu_total" 60) ms CPU per map"
echo "60 files, --out-dir --jobs 1:     $(per_map "$batch_wall" 60) ms wall, $(per_map "$batch_cpu" 60) ms CPU per map"
awk -v a="$each_wall" -v b="$batch_wall" -v c="$cpu_total" -v d="$batch_cpu" \
    'BEGIN {printf "one run is %.1fx faster per map (wall), %.1fx (CPU)\n", a / b, c / d}'
for f in "$WORK"/each/*.png; do
    cmp -s "$f" "$WORK/batch/$(basename "$f")" || { echo "differs: $(basename "$f")"; exit 1; }
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
