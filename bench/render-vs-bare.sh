#!/usr/bin/env bash
# Times isobra-render on the example against the bare Qt yardstick, side by
# side, and prints the peak memory of each. Needs hyperfine (Debian package).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
cmake --build "$BUILD" --target isobra-render bare_qt_render >/dev/null
hyperfine --warmup 3 --runs ${RUNS:-30} \
    "$BUILD/bench/bare_qt_render $OUT/bare.png" \
    "$BUILD/isobra-render examples/winter.dat --png $OUT/winter.png"
for cmd in "$BUILD/bench/bare_qt_render $OUT/bare.png" "$BUILD/isobra-render examples/winter.dat --png $OUT/winter.png"; do
    peak=$(/usr/bin/time -v $cmd 2>&1 >/dev/null | awk -F': ' '/Maximum resident/ {print $2}')
    echo "peak memory ${peak} KiB: $cmd"
done
