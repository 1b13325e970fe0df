#!/usr/bin/env bash
# Installs the build into a scratch root and checks what a desktop finds there.
set -euo pipefail
build=$1
id=example.marzun.Marzun
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
share=$root/usr/share

test -x "$root/usr/bin/marzun"
desktop-file-validate "$share/applications/$id.desktop"
grep -qx "Exec=marzun" "$share/applications/$id.desktop"
grep -qx "Icon=$id" "$share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml"
grep -q "<svg" "$share/icons/hicolor/scalable/apps/$id.svg"
for side in 16 32 48 64 128 256; do
    png=$share/icons/hicolor/${side}x${side}/apps/$id.png
    # A PNG holds its width and height, big-endian, in bytes 16 to 23.
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    if [[ "$width x $height" != "$side x $side" ]]; then
        echo "$png is $width x $height, not $side x $side" >&2
        exit 1
    fi
done
echo "installed files are valid"
