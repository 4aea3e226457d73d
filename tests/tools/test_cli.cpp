// ruotario-cli as a user runs it from the shell: exit codes and Italian
// messages, its output and inputs, the archive and series commands under
// other processes, the data folder, and what reaches the disk or stays off it.
#include <gtest/gtest.h>

#include "esegui.h"
#include "store/storico.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

using namespace std::string_literals;
using namespace prova;

// A shell line, its exit code, the start of its standard error after
// "ruotario-cli: " (empty: nothing at all) and its whole standard output.
struct Passo {
    std::string riga;
    int codice;
    std::string errori, uscita = "";
};

// The lines run in a folder of their own where `cli` is ruotario-cli, $A and
// $S name Lotto.dat and Serie there and $DATI the folder of the real
// historical files. `F COMMAND` prints after COMMAND's output the fsync calls
// it made, F for a file and D for a folder; `L N COMMAND` runs it where no
// file may grow past N blocks of 512 bytes.
const std::string kPreambolo =
    "mkdir -p .bin && export PATH=$PWD/.bin:$PATH LC_ALL=C && ln -sf " RUOTARIO_CLI
    " .bin/cli\nA='--archivio Lotto.dat' S='--file Serie' DATI=" RUOTARIO_DATA_DIR
    "\nF() { rm -f .fsync; FINTO_FSYNC_REGISTRO=.fsync LD_PRELOAD=" FINTO_FSYNC
    " ASAN_OPTIONS=$ASAN_OPTIONS:verify_asan_link_order=0 \"$@\"; e=$?; cat .fsync; return $e; }\n"
    "L() { (trap '' XFSZ; ulimit -f $1; shift; \"$@\"); }\n";

class ProvaCli : public ::testing::Test {
  protected:
    void Passi(const std::vector<Passo>& passi) const {
        for (const auto& [riga, codice, errori, uscita] : passi) {
            ScriviBytes(cartella.File(".passo"), kPreambolo + riga);
            const Esito e = Shell("cd " + cartella.path().string() + " && timeout 60 sh .passo");
            // Standard error starts so, or (one character more) is empty; a
            // usage error, and only that, points to the help.
            const std::string inizio = errori.empty() ? "" : "ruotario-cli: " + errori;
            const bool aiuto = e.errori.find("\nPer l'aiuto: ruotario-cli") != std::string::npos;
            EXPECT_EQ(std::tuple(e.codice, e.uscita,
                                 e.errori.substr(0, inizio.size() + errori.empty()), aiuto),
                      std::tuple(codice, uscita, inizio, codice == 2))
                << riga + "\n" + e.errori;
        }
    }

    CartellaProva cartella;
};

// Every command: a usage error exits with 2, a failure with 1, each with its
// Italian message (a series refused with the series window's, tests/series).
// The series listed, added, deleted and emptied as the series window does;
// a draw as the archive window shows it, the weekday beside the date; the
// series window's range: 181 draws ending at the last one unless told
// otherwise, a single draw being a range too. The help is in Italian; every
// command that prints fails on a full disk and on a reader that stops after
// one byte.
TEST_F(ProvaCli, OgniComandoComeLeFinestreConCodiciEMessaggiItaliani) {
    ScriviArchivio(Settimanali(1000));
    const std::string tra = "il numero dell'estrazione deve essere compreso tra 1 e 1000, non ";
    const std::string venti = "71,72,73,74,75,76,77,78,79,80,81,82,83,84,85,86,87,88,89,90";
    const std::string S = " --serie 5,6,7,8 $A";
    Passi({
        {"cli", 2, "indicare un comando"},
        {"cli sconosciuto", 2, "comando sconosciuto \"sconosciuto\""},
        {"cli --boh conta", 2, "opzione sconosciuta \"--boh\""},
        {"cli conta x $A", 2, "argomento in più \"x\""},
        {"cli conta $A --archivio b", 2, "l'opzione --archivio è indicata più di una volta"},
        {"cli conta --archivio ''", 2, "l'opzione --archivio non può essere vuota"},
        {"cli conta --archivio", 2, "manca il valore dell'opzione --archivio"},
        {"cli importa --sovrascrivi=si $A s", 2, "l'opzione --sovrascrivi non vuole un valore"},
        {"cli importa $A", 2, "indicare almeno un file dello storico da importare"},
        {"cli mostra $A", 2, "indicare il numero dell'estrazione da mostrare"},
        {"cli mostra 0 $A", 2, tra + "\"0\""},
        {"cli mostra 1001 $A", 2, tra + "\"1001\"\nPer l'aiuto: ruotario-cli mostra --help\n"},
        {"cli analizza $A", 2, "indicare la serie con --serie, per esempio --serie 5,17,33"},
        {"cli analizza --serie 5,2.5 $A", 2, "\"2.5\" non è un numero intero"},
        {"cli analizza --serie 5 --da 3 --a 2 $A", 2, "intervallo rovesciato: l'inizio 3 viene"},
        {"cli serie --svuota --aggiungi 5", 2, "le opzioni --aggiungi e --svuota non si possono"},
        {"cli conta --archivio nessuno", 1, "L'archivio \"nessuno\" non esiste.\n"},
        {"cli conta --archivio .", 1, "Impossibile usare \".\": è una cartella, non un file."},
        {"cli conta --archivio /dev/null", 1, "Impossibile usare \"/dev/null\": è una FIFO, un"},
        {": >v; cli mostra 1 --archivio v", 1, "L'archivio \"v\" non contiene estrazioni.\n"},
        {"cli serie --file nessuna", 1, "Il file delle serie \"nessuna\" non esiste.\n"},
        // Refused before the input is read.
        {"cli importa $A /dev/null", 1, "L'archivio \"Lotto.dat\" esiste già"},
        {"cli serie --aggiungi 5,12,47 $S && cli serie --aggiungi " + venti +
             " $S && cli serie --aggiungi 7 $S && cli serie --elimina 1 $S && cli serie $S",
         0, "",
         "Serie salvata come S_1.\nSerie salvata come S_2.\nSerie salvata come S_3.\nSerie S_1 "
         "eliminata.\n-71-72-73-74-75-76-77-78-79-80-81-82-83-84-85-86-87-88-89-90    S_1\n-7     "
         "S_2\n"},
        {"cli serie --elimina 3 $S", 2, "il numero della serie da eliminare deve essere compreso"},
        {"cli serie --aggiungi " + venti + ",1 $S", 2, "Inserire non piu' di 20 numeri\n"},
        // Emptied, as the window leaves it.
        {"cli serie --svuota $S && cli serie --svuota $S && cli serie $S", 0, "",
         "Eliminate 2 serie.\nNessuna serie da eliminare.\n  Non ci sono Serie da Visualizzare \n"},
        {"cli serie --elimina 1 $S", 1, "Il file delle serie \"Serie\" non contiene serie"},
        {"cli analizza" + S + " >a && cli analizza --da 820 --a 1000" + S +
             " | cmp a - && ! cli analizza --da 819 --a 1000" + S + " | cmp -s a -",
         0, ""},
        {"cli analizza --da 7 --a 7 --serie 77 $A | head -n 1", 0, "", "77\tRit.\tSort.\tStor.\n"},
        {"cli mostra 5 $A | head -n 2", 0, "", "Estrazione\t5\nData\t4\t2\t1871\t sab\n"},
        {"for c in '' importa esporta conta mostra analizza serie aggiorna; do cli $c -h; done >h "
         "&& cli --version && grep -c '^Uso: ruotario-cli .*\\[OPZIONI\\]' h && ! grep -E "
         "'Usage|OPTION|Option|Positional|SUBCOMMAND|Subcommand|help message|REQUIRED|TEXT|"
         "Display' h",
         0, "", "ruotario-cli " RUOTARIO_VERSIONE "\n8\n"},
        {"for c in --help --version 'mostra --help' \"conta $A\" \"esporta $A\" \"mostra 1 $A\" "
         "\"analizza --serie 5 $A\" \"serie --aggiungi 7 $S\" \"serie $S\" \"importa --archivio b "
         "$DATI/storico.txt\" \"aggiorna --archivio b $DATI/storico.txt\"; do cli $c 2>&1 "
         ">/dev/full; echo $?; done | sort | uniq -c",
         0, "",
         "     11 1\n     11 ruotario-cli: impossibile scrivere il risultato: spazio su "
         "disco esaurito\n"},
        {"(cli esporta $A; echo $? >&2) | head -c1 >/dev/null", 0,
         "impossibile scrivere il risultato: il programma che riceveva i dati ha chiuso il "
         "collegamento\n1\n"},
    });
}

// The official text read from a pipe, standard input or a FIFO, the CRs of
// its line ends dropped and RO read as Roma (written RM); nothing to import
// leaves the archive as it was, or does not create it. What the archive
// window may save goes through the text and back as it was: draws of one
// date, one dated before the draw before it, wheels missing. An archive past
// 32,767 draws is only exported, and its text not imported. The real text in
// two steps gives the archive of both at once; a draw of the text on a date
// the archive holds must agree with it.
TEST_F(ProvaCli, StoricoImportatoEsportatoEAggiornato) {
    std::string vuoti = "     10 1\n";
    for (const char* nome : {"/dev/null", "bianco", "rn", "standard input", "vuoto"})
        vuoti += "      2 ruotario-cli: Nessuna estrazione in \""s + nome +
                 "\": l'archivio non è stato modificato.\n";
    ScriviArchivio(Settimanali(32768), cartella.File("g"));
    const std::string a = "2001/01/06\tBA\t1\t2\t3\t4\t5\n2001/01/20\tBA\t11\t12\t13\t14\t15\n";
    ScriviBytes(cartella.File("a.txt"), a);
    // 13 January and a second draw of the 20th: missing, but not added.
    ScriviBytes(cartella.File("b.txt"),
                a + "2001/01/13\tBA\t6\t7\t8\t9\t10\n2001/01/20\tBA\t11\t12\t13\t14\t15\n"
                    "2001/01/27\tBA\t16\t17\t18\t19\t20\n");
    ScriviBytes(cartella.File("c.txt"),
                "2001/01/20\tBA\t11\t12\t16\t14\t15\n2001/02/03\tBA\t21\t22\t23\t24\t25\n");
    const std::string antico = " $DATI/storico_1871_1938.txt", recente = " $DATI/storico.txt";
    const std::string due = "Importate 2 estrazioni in \"Lotto.dat\".\n";
    Passi({
        {"head -n 16 $DATI/storico.txt >s && sed 's/RM/RO/;s/$/\\r/' s | cli importa $A - && cli "
         "importa --sovrascrivi $A - <s && mkfifo f && { timeout 20 sh -c 'cat s >f' & } && cli "
         "importa --sovrascrivi $A f && cli esporta $A | cmp - s && cp Lotto.dat uno",
         0, "", due + due + due},
        {": >vuoto; echo >bianco; echo >>bianco; head -n 1 s | sed s/BA/RN/ >rn; for i in "
         "/dev/null vuoto bianco rn -; do cli importa $A --sovrascrivi $i; echo $?; cli importa "
         "--archivio n $i; echo $?; done </dev/null 2>&1 | sort | uniq -c && cmp Lotto.dat uno && "
         "test ! -e n",
         0, "", vuoti},
        // Draws 2 (Venezia alone, after Venezia) and 3 (Bari alone) of one date.
        {"printf '1871/01/07\tBA\t1\t2\t3\t4\t5\n1871/01/07\tVE\t1\t2\t3\t4\t5\n1871/01/07\tVE\t6"
         "\t7\t8\t9\t10\n1871/01/07\tBA\t6\t7\t8\t9\t10\n1871/01/06\tCA\t1\t2\t3\t4\t5\n' >t && "
         "cli importa --archivio c t && cli esporta --archivio c | cmp - t",
         0,
         "attenzione: 3 estrazioni hanno una data non successiva a quella dell'estrazione "
         "precedente: n. 2, 3, 4.\n",
         "Importate 4 estrazioni in \"c\".\n"},
        {"for c in conta 'mostra 1' 'analizza --serie 5'; do cli $c --archivio g; echo $?; done "
         "2>&1 | cut -d, -f1 | sort | uniq -c",
         0, "", "      3 1\n      3 ruotario-cli: L'archivio \"g\" contiene 32768 estrazioni\n"},
        // Ten lines a draw; the last draw is 32767 weeks after 7 January 1871.
        {"cli esporta --archivio g >t && wc -l <t && tail -n 1 t | cut -f 1,2 && ! cli importa "
         "--archivio h t && head -n 327670 t | cli importa --archivio h - && truncate -s 3473302 "
         "g && cli conta --archivio g",
         0, "Errore nel file \"t\", riga 327671: più di 32767 estrazioni, che l'archivio non",
         "327680\n2499/01/03\tVE\nImportate 32767 estrazioni in \"h\".\n32767\n"},
        {"cli importa $A --sovrascrivi" + antico, 0, "",
         "Importate 3548 estrazioni in \"Lotto.dat\".\n"},
        {"cli aggiorna $A" + recente, 0, "", "Aggiunte 7370 estrazioni a \"Lotto.dat\".\n"},
        {"cli importa --archivio r" + antico + recente + " >/dev/null && cmp Lotto.dat r && cat" +
             antico + recente + " >t && cli esporta $A | cmp - t && cli aggiorna $A" + recente,
         0, "", "Nessuna estrazione nuova da aggiungere a \"Lotto.dat\".\n"},
        {"cli importa --archivio p a.txt >/dev/null && cli aggiorna --archivio p b.txt", 0,
         "attenzione: 2 estrazioni dello storico mancano nell'archivio ma non sono state aggiunte: "
         "la data non è successiva all'ultima dell'archivio.\n",
         "Aggiunta 1 estrazione a \"p\".\n"},
        {"cp p q && cli aggiorna --archivio p c.txt", 1,
         "L'estrazione del 20/01/2001 sulla ruota di Bari non coincide con quella dell'archivio: "
         "nel file 11 12 16 14 15, nell'archivio 11 12 13 14 15. L'archivio non è stato "
         "cambiato.\n"},
        {"cmp p q && cli conta --archivio p", 0, "", "3\n"},
    });
}

// Updates reaching further and further and imports of a new archive, in
// whatever order they get the lock; two lists adding series and deleting
// the first one, forty times in all. While another program holds the folder
// a writer waits, a bounded time, then says why and writes nothing.
TEST_F(ProvaCli, ProcessiInsiemeScrivonoOgniCosaUnaVolta) {
    const auto tutte = Settimanali(40);
    ScriviArchivio({tutte.begin(), tutte.begin() + 5});
    ScriviArchivio(tutte, cartella.File("atteso"));
    for (int k : {10, 20, 30, 40})
        ScriviBytes(cartella.File("t" + std::to_string(k)),
                    EsportaStorico({tutte.begin(), tutte.begin() + k}));
    const std::string esiste =
        "ruotario-cli: L'archivio \"n\" esiste già: per sostituirlo usare --sovrascrivi.\n";
    Passi({
        {"for k in 10 20 30 40; do cli aggiorna $A t$k & done 2>&1 | sed -nE 's/^(Aggiunt. "
         "([0-9]+) estrazion.|Nessuna estrazione nuova da aggiungere) a \"Lotto.dat\".$/\\2/p' | "
         "awk '{ n += $1 } END { print NR, n }' && cmp Lotto.dat atteso && for i in 1 2 3; do cli "
         "importa --archivio n t40 & done 2>&1 | sort && cmp n atteso",
         0, "", "4 35\nImportate 40 estrazioni in \"n\".\n" + esiste + esiste},
        {"for i in $(seq 40); do cli serie --aggiungi 70,$i $S; done >/dev/null && for g in 71 72; "
         "do for i in $(seq 10 29); do cli serie --aggiungi $g,$i $S && cli serie --elimina 1 $S; "
         "done >/dev/null & done; wait; cli serie $S | sed 's/ *S_.*//' | sort -s -k 1.1,1.3 >x; "
         "for g in 71 72; do seq -f \"-$g-%g\" 10 29; done | cmp - x",
         0, ""},
        // The other program holds the folder from when it writes "tenuto".
        {"flock -s -o . sh -c ': >tenuto; sleep 2' & until [ -e tenuto ]; do sleep 0.1; done; cli "
         "serie --elimina 1 $S",
         0, "", "Serie S_1 eliminata.\n"},
        {"cp Serie s; cp Lotto.dat l; rm tenuto; flock -s -o . sh -c ': >tenuto; sleep 9' & p=$!; "
         "until [ -e tenuto ]; do sleep 0.1; done; for c in \"aggiorna $A t40\" \"importa "
         "--sovrascrivi $A t40\" \"serie --aggiungi 1 $S\" \"serie --elimina 1 $S\" \"serie "
         "--svuota $S\"; do cli $c & done 2>&1 | uniq -c; kill $p; cmp Serie s && cmp Lotto.dat l",
         0, "",
         "      5 ruotario-cli: L'archivio nella cartella \".\" è in uso da un altro programma che "
         "lo sta modificando: non è stato scritto nulla. Riprovare tra poco.\n"},
    });
}

// A write that does not fit stops short and fails: the file is put back as
// it was (and flushed), a file that was not there is not left, nor anything
// beside it. Every write reaches the disk, and after a replacement the
// folder too, or fails. No symbolic link is written through: one named like
// a leftover of a killed replacement goes as a name, any other stays. The
// archive holds 3 draws (318 bytes), the text files 1, 2 and 6 of 1939.
// Where the files live: beside a copy of the program of its own, else in the
// user's data folder, which an installed program fills once from its archive.
TEST_F(ProvaCli, ComeEDoveSiScriveSulDisco) {
    ScriviArchivio(Settimanali(3));
    const std::string scrivere = "Impossibile scrivere il file \"";
    Passi({
        {"for i in $(seq 12); do cli serie --aggiungi $i $S; done >/dev/null && for n in 1 2 6; do "
         "head -n $((8 * n)) $DATI/storico.txt >$n; done && mkdir -p fuori/cartella && echo ok | "
         "tee fuori/file fuori/cartella/dentro && for n in Lotto.dat.tmp Lotto.dat.nuovo-a "
         "Serie.nuovo-b; do ln -s fuori/file $n; done && ln -s fuori/cartella Lotto.dat.nuovo-c "
         "&& ln -s assente Lotto.dat.nuovo-d && echo >Lotto.dat.nuovo-e && cp Lotto.dat l0 && cp "
         "Serie s0",
         0, "", "ok\n"},
        {"L 1 F cli aggiorna $A 6", 1, scrivere + "Lotto.dat\": file troppo grande.\n", "F"},
        {"L 1 cli importa --sovrascrivi $A 6", 1, scrivere + "Lotto.dat\": file troppo"},
        {"L 1 F cli serie --aggiungi 3 $S", 1, scrivere + "Serie\": file troppo grande.\n", "F"},
        {"! L 0 cli serie --aggiungi 3 --file n 2>/dev/null && cmp Lotto.dat l0 && cmp Serie s0 "
         "&& rm l0 s0 && ls && F cli importa --sovrascrivi $A 1",
         0, "",
         "1\n2\n6\nLotto.dat\nLotto.dat.tmp\nSerie\nSerie.nuovo-b\nfuori\nImportata 1 estrazione "
         "in \"Lotto.dat\".\nFD"},
        {"F cli aggiorna $A 2", 0, "", "Aggiunta 1 estrazione a \"Lotto.dat\".\nF"},
        {"F cli serie --aggiungi 6 $S", 0, "", "Serie salvata come S_13.\nF"},
        {"F cli serie --elimina 1 $S", 0, "", "Serie S_1 eliminata.\nFD"},
        {"mkdir d && cli importa --sovrascrivi --archivio d 1", 1,
         "Impossibile sostituire il file \"d\": il nome indica una cartella.\n"},
        {"export FINTO_FSYNC_CARTELLE=1; F cli importa --sovrascrivi $A 1", 1,
         "Impossibile rendere definitivo su disco il file \"Lotto.dat\": errore di lettura o "
         "scrittura sul disco.\n",
         "FD"},
        {"ls && cat fuori/file fuori/cartella/dentro", 0, "",
         "1\n2\n6\nLotto.dat\nLotto.dat.tmp\nSerie\nd\nfuori\nok\nok\n"},
        {"mkdir -p usr/bin usr/share/ruotario port && cp .bin/cli usr/bin && cp .bin/cli port && "
         "cli importa --archivio sei 6 >/dev/null && head -c 212 sei >usr/share/ruotario/Lotto.dat "
         "&& export HOME=$PWD/casa && XDG_DATA_HOME=$PWD/xdg usr/bin/cli conta && "
         "XDG_DATA_HOME=relativa usr/bin/cli conta && cp sei casa/.local/share/ruotario/Lotto.dat "
         "&& XDG_DATA_HOME= usr/bin/cli conta && port/cli serie --aggiungi 5 && ls port "
         "xdg/ruotario casa/.local/share/ruotario",
         0, "",
         "2\n2\n6\nSerie salvata come S_1.\ncasa/.local/share/ruotario:\nLotto.dat\n\nport:\n"
         "Serie\ncli\n\nxdg/ruotario:\nLotto.dat\n"},
        {"env -u HOME -u XDG_DATA_HOME usr/bin/cli conta", 1, "Impossibile trovare una cartella"},
    });
}

}  // namespace
}  // namespace ruotario
