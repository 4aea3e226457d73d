#!/bin/sh
# The screenshots of the README and of the AppStream metadata: every window
# rendered offscreen by ruotario-snapshots on the bundled archive, the main
# ones copied into docs/. Run after `make build`.
set -eu
cd "$(dirname "$0")/.."
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
QT_QPA_PLATFORM=offscreen build/bin/ruotario-snapshots "$cartella" > /dev/null
for nome in mdiform1 archivio_ultima archivio_ultima_superenalotto archivio_principale \
            serie_principale ricerca2_5 about; do
    cp "$cartella/$nome.png" docs/
done
