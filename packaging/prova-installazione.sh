#!/bin/sh
# packaging/prova-installazione.sh [--lascia-installato] PACCHETTO.deb
#
# Installs the Debian package with apt-get, as on a user's machine, and tries
# it as a new user with an empty home would: the window program on Qt's
# offscreen platform, the command line, the per-user folder made on the first
# start from the installed archive, nothing written under /usr. Then purges
# the package and removes the user it made (unless --lascia-installato).
# Needs root; what CI runs after make package-check.
set -eu

errore() {
    echo "prova-installazione: ERRORE: $*" >&2
    exit 1
}
passo() {
    echo "== $*"
}

lascia=0
if [ "${1:-}" = "--lascia-installato" ]; then
    lascia=1
    shift
fi
[ $# -eq 1 ] || errore "uso: $0 [--lascia-installato] PACCHETTO.deb"
[ -f "$1" ] || errore "il pacchetto \"$1\" non esiste"
[ "$(id -u)" -eq 0 ] || errore "serve root: il pacchetto si installa con apt-get"
pacchetto=$(realpath "$1")
sorgenti=$(cd "$(dirname "$0")/.." && pwd)

versione=$(dpkg-deb --field "$pacchetto" Version)
# Each draw is one date in the bundled text, the split draws included.
attese=$(cut -f1 "$sorgenti/data/storico_1871_1938.txt" "$sorgenti/data/storico.txt" | sort -u | wc -l)
installato=/usr/share/ruotario/Lotto.dat
utente=ruotario-prova
lavoro=$(mktemp -d /tmp/prova-installazione.XXXXXX)
chmod 755 "$lavoro"
segno=$lavoro/segno

pulisci() {
    esito=$?
    if id "$utente" >/dev/null 2>&1; then
        userdel --remove "$utente" 2>/dev/null || true
    fi
    if [ "$lascia" -eq 0 ] && dpkg-query -W -f='${Status}' ruotario 2>/dev/null | grep -q installed; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -q ruotario >/dev/null 2>&1 || true
    fi
    rm -rf "$lavoro"
    if [ "$esito" -ne 0 ]; then
        echo "prova-installazione: la prova del pacchetto NON è riuscita" >&2
    fi
}
trap pulisci EXIT
trap 'exit 1' INT TERM HUP

# A user left behind by an interrupted run would not have an empty home.
if id "$utente" >/dev/null 2>&1; then
    userdel --remove "$utente" 2>/dev/null || true
fi

passo "installo $pacchetto con apt-get"
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$pacchetto" >"$lavoro/apt.log" 2>&1 ||
    { cat "$lavoro/apt.log" >&2; errore "apt-get non ha installato il pacchetto"; }
dpkg-query -W -f='${Status} ${Version}\n' ruotario | grep -qx "install ok installed $versione" ||
    errore "dopo apt-get il pacchetto ruotario $versione non risulta installato"
for file in /usr/bin/ruotario /usr/bin/ruotario-cli "$installato"; do
    [ -f "$file" ] || errore "manca $file"
done
[ ! -e /usr/bin/ruotario-snapshots ] || errore "ruotario-snapshots non deve essere installato"

# From here on nothing may change under /usr: the user's files live in the
# user's home. The second of wait keeps every later write newer than the mark.
touch "$segno"
sleep 1

vuota=$lavoro/scheletro
mkdir "$vuota"
useradd --create-home --skel "$vuota" --shell /bin/sh "$utente"
casa=$(getent passwd "$utente" | cut -d: -f6)
[ -d "$casa" ] || errore "la cartella di $utente non esiste"
[ -z "$(ls -A "$casa")" ] || errore "la cartella di $utente non è vuota"
dati=$casa/.local/share/ruotario

# As the user, in the home, with a clean environment plus the variables given.
come_utente() {
    (cd "$casa" && runuser -u "$utente" -- env -i HOME="$casa" USER="$utente" LOGNAME="$utente" \
        PATH=/usr/bin:/bin LANG=C.UTF-8 "$@")
}

controlla_copia() {
    cartella=$1
    chi=$2
    [ -f "$cartella/Lotto.dat" ] || errore "$chi non ha creato $cartella/Lotto.dat"
    cmp -s "$cartella/Lotto.dat" "$installato" ||
        errore "$cartella/Lotto.dat non è identico a $installato"
    proprietario=$(stat -c %U "$cartella/Lotto.dat")
    [ "$proprietario" = "$utente" ] ||
        errore "$cartella/Lotto.dat appartiene a $proprietario invece che a $utente"
}

passo "ruotario --version e --help senza schermo"
uscita=$(come_utente ruotario --version) || errore "ruotario --version è uscito con errore"
[ "$uscita" = "ruotario $versione" ] ||
    errore "ruotario --version ha scritto \"$uscita\" invece di \"ruotario $versione\""
come_utente ruotario --help | grep -q "Lotto" || errore "ruotario --help non descrive il programma"
uscita=$(come_utente ruotario-cli --version) || errore "ruotario-cli --version è uscito con errore"
case "$uscita" in
    *"$versione"*) ;;
    *) errore "ruotario-cli --version ha scritto \"$uscita\", senza la versione $versione" ;;
esac

passo "ruotario senza schermo: deve dirlo e uscire con 1"
esito=0
come_utente ruotario >"$lavoro/senza-schermo.log" 2>&1 || esito=$?
[ "$esito" -eq 1 ] || { cat "$lavoro/senza-schermo.log" >&2; errore "ruotario senza schermo è uscito con $esito invece di 1"; }
grep -q "schermo" "$lavoro/senza-schermo.log" || errore "ruotario senza schermo non lo ha detto"
[ ! -e "$casa/.local" ] || errore "ruotario senza schermo ha già scritto nella cartella dell'utente"

passo "ruotario con QT_QPA_PLATFORM=offscreen per 5 secondi, primo avvio dell'utente"
esito=0
come_utente QT_QPA_PLATFORM=offscreen timeout 5 ruotario >"$lavoro/finestre.log" 2>&1 || esito=$?
if [ "$esito" -ne 124 ]; then
    cat "$lavoro/finestre.log" >&2
    errore "ruotario si è chiuso da solo con codice $esito invece di restare aperto fino al timeout"
fi
controlla_copia "$dati" "ruotario"

passo "ruotario-cli conta: $attese estrazioni"
uscita=$(come_utente ruotario-cli conta) || errore "ruotario-cli conta è uscito con errore"
[ "$uscita" = "$attese" ] || errore "ruotario-cli conta ha scritto \"$uscita\" invece di $attese"

passo "ruotario-cli mostra 1: l'estrazione del 7 gennaio 1871"
come_utente ruotario-cli mostra 1 >"$lavoro/mostra.txt" || errore "ruotario-cli mostra 1 è uscito con errore"
tab=$(printf '\t')
for riga in "Estrazione${tab}1" "Data${tab}7${tab}1${tab}1871${tab} sab" \
            "Firenze${tab}15${tab}71${tab}18${tab}64${tab}81" \
            "Venezia${tab}29${tab}52${tab}31${tab}80${tab}7"; do
    grep -qxF "$riga" "$lavoro/mostra.txt" || {
        cat "$lavoro/mostra.txt" >&2
        errore "ruotario-cli mostra 1 non ha la riga \"$riga\""
    }
done

passo "ruotario-cli al primo uso crea da sé la cartella dell'utente"
rm -rf "$dati"
uscita=$(come_utente ruotario-cli conta) || errore "ruotario-cli conta è uscito con errore"
[ "$uscita" = "$attese" ] || errore "ruotario-cli conta ha scritto \"$uscita\" invece di $attese"
controlla_copia "$dati" "ruotario-cli"

passo "XDG_DATA_HOME assoluto: la cartella dell'utente sta lì"
come_utente XDG_DATA_HOME="$casa/altrove" ruotario-cli conta >/dev/null ||
    errore "ruotario-cli conta con XDG_DATA_HOME è uscito con errore"
controlla_copia "$casa/altrove/ruotario" "ruotario-cli con XDG_DATA_HOME"

passo "anche root, che può scrivere in /usr, usa la propria cartella"
radice=$lavoro/radice
mkdir "$radice"
uscita=$(cd "$radice" && env -i HOME="$radice" PATH=/usr/bin:/bin LANG=C.UTF-8 ruotario-cli conta) ||
    errore "ruotario-cli conta come root è uscito con errore"
[ "$uscita" = "$attese" ] || errore "ruotario-cli conta come root ha scritto \"$uscita\" invece di $attese"
cmp -s "$radice/.local/share/ruotario/Lotto.dat" "$installato" ||
    errore "root non ha avuto la sua copia identica dell'archivio in $radice/.local/share/ruotario"

passo "niente di scritto sotto /usr dopo l'installazione"
find /usr -xdev -newer "$segno" >"$lavoro/cambiati.txt" 2>/dev/null || true
if [ -s "$lavoro/cambiati.txt" ]; then
    cat "$lavoro/cambiati.txt" >&2
    errore "il programma ha scritto sotto /usr (sopra i file cambiati dopo l'installazione)"
fi
dpkg --verify ruotario >"$lavoro/verifica.txt" 2>&1 || true
if [ -s "$lavoro/verifica.txt" ]; then
    cat "$lavoro/verifica.txt" >&2
    errore "i file installati non corrispondono più al pacchetto"
fi

if [ "$lascia" -eq 0 ]; then
    passo "apt-get purge ruotario: non resta nulla sotto /usr"
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -q ruotario >"$lavoro/apt.log" 2>&1 ||
        { cat "$lavoro/apt.log" >&2; errore "apt-get purge ruotario non è riuscito"; }
    for file in /usr/bin/ruotario /usr/bin/ruotario-cli /usr/share/ruotario \
                /usr/share/applications/example.ruotario.Ruotario.desktop \
                /usr/share/doc/ruotario; do
        [ ! -e "$file" ] || errore "dopo la rimozione del pacchetto resta $file"
    done
fi

echo "prova-installazione: il pacchetto ruotario $versione si installa e funziona"
