#!/usr/bin/env bash
# The files the desktop learns Isobra from, checked by the desktop's own
# tools: the desktop entry, the software-centre entry, and the two file types
# as a desktop sees them once they are installed (into a temporary
# XDG_DATA_HOME). Usage: desktop-files.sh SOURCE_DIR
set -euo pipefail
src=$1

desktop-file-validate "$src/packaging/isobra.desktop"
appstreamcli validate --no-net "$src/packaging/isobra.metainfo.xml"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/mime/packages" "$home/files"
cp "$src/packaging/isobra-mime.xml" "$home/mime/packages/isobra.xml"
# It says the folder is not searched: it is, through XDG_DATA_HOME below.
update-mime-database "$home/mime" 2>/dev/null
export XDG_DATA_HOME=$home
# Without a known desktop xdg-mime asks file(1), which knows nothing of the
# shared MIME database; as on GNOME it asks GIO, which reads it.
export XDG_CURRENT_DESKTOP=GNOME

failed=0
expect() {
    local file=$1 want=$2 got
    got=$(xdg-mime query filetype "$file")
    if [ "$got" != "$want" ]; then
        echo "$(basename "$file"): $got, expected $want" >&2
        failed=1
    fi
}
files=$home/files
cp "$src/examples/winter.dat" "$files/winter.dat"
cp "$src/examples/winter.dat" "$files/report"          # known by its title line
cp "$src/tests/data/winter-isobars.cnt" "$files/map.CNT"
printf '1,2,3\r\n4,5,6\r\n' > "$files/numbers.dat"     # other programs' .dat files
printf '\x00\x01\x02\x03binary' > "$files/table.dat"
printf '\x8a\x65\x92\x6e\x82\xcc\x93\x56\x8b\x43\r\n' > "$files/title-only.dat"
expect "$files/winter.dat" application/x-isobra-observations
expect "$files/report" application/x-isobra-observations
expect "$files/map.CNT" application/x-isobra-isobars
expect "$files/numbers.dat" text/plain
expect "$files/table.dat" application/octet-stream
expect "$files/title-only.dat" text/plain
exit $failed
