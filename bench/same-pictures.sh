#!/usr/bin/env bash
# Renders a fixed set of maps with two builds of isobra-render and compares
# the files: PNG files by their pixels (their packing may differ), the
# others byte for byte. A change that must not alter any picture is run as
#     bench/same-pictures.sh OLD_BINARY [NEW_BINARY]
set -euo pipefail
cd "$(dirname "$0")/.."
OLD=$1
NEW=${2:-build/isobra-render}
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
ALL=map,isobars,symbols,wind,fronts
cases=(
    "examples/winter.dat"
    "examples/winter.dat --layers $ALL"
    "examples/winter.dat --layers fronts,wind,symbols,isobars"
    "examples/winter.dat --layers $ALL --interval 1"
    "examples/winter.dat --layers $ALL --interval 0.5"
    "examples/winter.dat --layers $ALL --interval 2.5"
    "examples/winter.dat --layers $ALL --interval 10"
    "examples/winter.dat --interval 3"
    "tests/data/katakana-and-frost.dat --layers $ALL"
    "--isobars tests/data/winter-isobars.cnt --layers $ALL"
)
differ=0
n=0
for c in "${cases[@]}"; do
    n=$((n + 1))
    for side in old new; do
        bin=$OLD
        [ $side = new ] && bin=$NEW
        mkdir -p "$OUT/$side"
        extra=()
        case $c in --isobars*) ;; *) extra=(--cnt "$OUT/$side/$n.cnt" --dat "$OUT/$side/$n.dat") ;; esac
        # shellcheck disable=SC2086
        "$bin" $c --png "$OUT/$side/$n.png" "${extra[@]}" 2>"$OUT/$side/$n.err" || true
    done
    for f in "$OUT"/old/"$n".*; do
        g=$OUT/new/$(basename "$f")
        same=0
        case $f in
            *.png) [ -f "$g" ] && [ "$(bench/png-pixels.py "$f" | cut -d' ' -f1,2)" = "$(bench/png-pixels.py "$g" | cut -d' ' -f1,2)" ] && same=1 ;;
            *) cmp -s "$f" "$g" && same=1 ;;
        esac
        if [ $same = 0 ]; then
            echo "differs: $c ($(basename "$f"))"
            differ=1
        fi
    done
done
[ $differ = 0 ] && echo "all $n cases the same (PNG pixels, other files byte for byte)"
exit $differ
