#!/bin/sh
# Installs the Debian packages the build, the tests and the program need,
# only those missing; through sudo when not run as root. With --pacchetto,
# instead, the tools that `make package` and `make package-check` use.
set -eu

PACCHETTI="cmake ninja-build g++ make pkg-config
qt6-base-dev qt6-translations-l10n libgl-dev
libgtest-dev libgmock-dev googletest libbenchmark-dev libcli11-dev
fonts-liberation fonts-dejavu-core
clang libclang-rt-14-dev"

# dpkg-shlibdeps (dpkg-dev) and file find the package's library dependencies;
# the others check the desktop entry, the AppStream metadata and the package.
PACCHETTI_PACCHETTO="dpkg-dev file desktop-file-utils appstream lintian"

case "${1:-}" in
    "") ;;
    --pacchetto) PACCHETTI=$PACCHETTI_PACCHETTO ;;
    *) echo "Uso: $0 [--pacchetto]" >&2; exit 2 ;;
esac

mancanti=""
for p in $PACCHETTI; do
    stato=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$stato" in
        *"install ok installed"*) ;;
        *) mancanti="$mancanti $p" ;;
    esac
done
[ -z "$mancanti" ] && exit 0

echo "Installo i pacchetti mancanti:$mancanti"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $mancanti
