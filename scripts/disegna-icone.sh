#!/bin/sh
# Draws the PNG icons of packaging/icone again from the SVG, at every size the
# package installs. Run it after changing the SVG, and commit the PNGs: the
# build and the package take them as they are.
set -eu
cd "$(dirname "$0")/.."

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "Serve rsvg-convert: apt-get install librsvg2-bin" >&2
    exit 1
fi

icone=packaging/icone
nome=example.ruotario.Ruotario
for lato in 16 22 24 32 48 64 128 256; do
    mkdir -p "$icone/${lato}x${lato}"
    rsvg-convert --width "$lato" --height "$lato" \
        --output "$icone/${lato}x${lato}/$nome.png" "$icone/$nome.svg"
    echo "$icone/${lato}x${lato}/$nome.png"
done
