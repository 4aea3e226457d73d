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
using prova::Settimanali;

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
            Scrivi(".passo", kPreambolo + riga);
            const auto esito =
                prova::Shell("cd " + cartella.path().string() + " && timeout 60 sh .passo");
            EXPECT_EQ(esito.codice, codice) << riga;
            EXPECT_EQ(esito.uscita, uscita) << riga;
            // A usage error, and only that, points to the help.
            EXPECT_TRUE((errori.empty() ? esito.errori.empty()
                                        : esito.errori.starts_with("ruotario-cli: " + errori)) &&
                        (esito.errori.find("\nPer l'aiuto: ruotario-cli") != std::string::npos) ==
                            (codice == 2))
                << riga << "\n"
                << esito.errori;
        }
    }
    void Scrivi(const std::string& nome, const std::string& testo) const {
        prova::ScriviBytes(cartella.File(nome), testo);
    }

    prova::CartellaProva cartella;
};

TEST_F(ProvaCli, UsoSbagliatoDa2FallimentoDa1) {
    prova::ScriviArchivio(Settimanali(3));
    const std::string tra = "il numero dell'estrazione deve essere compreso tra 1 e 3, non ";
    Passi({
        {"cli", 2, "indicare un comando"},
        {"cli sconosciuto", 2, "comando sconosciuto \"sconosciuto\""},
        {"cli --boh conta", 2, "opzione sconosciuta \"--boh\""},
        {"cli conta --boh $A", 2, "opzione sconosciuta \"--boh\""},
        {"cli conta x $A", 2, "argomento in più \"x\""},
        {"cli conta $A --archivio b", 2, "l'opzione --archivio è indicata più di una volta"},
        {"cli conta --archivio ''", 2, "l'opzione --archivio non può essere vuota"},
        {"cli conta --archivio", 2, "manca il valore dell'opzione --archivio"},
        {"cli importa --sovrascrivi=si $A s", 2, "l'opzione --sovrascrivi non vuole un valore"},
        {"cli importa $A", 2, "indicare almeno un file dello storico da importare"},
        {"cli mostra $A", 2, "indicare il numero dell'estrazione da mostrare"},
        {"cli mostra 0 $A", 2, tra + "\"0\""},
        {"cli mostra 1x $A", 2, tra + "\"1x\""},
        {"cli mostra 4 $A", 2, tra + "\"4\"\nPer l'aiuto: ruotario-cli mostra --help\n"},
        {"cli analizza $A", 2, "indicare la serie con --serie, per esempio --serie 5,17,33"},
        {"cli analizza --serie 5,6,5 $A", 2, "Serie non valida: il numero 5 compare più di una"},
        {"cli analizza --serie 5,91 $A", 2, "Serie non valida: il numero 91 è fuori dall'interv"},
        {"cli analizza --serie 5,2.5 $A", 2, "\"2.5\" non è un numero intero"},
        {"cli analizza --serie 5 --a 4 $A", 2, "la fine dell'intervallo (--a) deve essere"},
        {"cli analizza --serie 5 --da 3 --a 2 $A", 2, "intervallo rovesciato: l'inizio 3 viene"},
        {"cli serie --svuota --aggiungi 5", 2, "le opzioni --aggiungi e --svuota non si possono"},
        {"cli conta --archivio nessuno", 1, "L'archivio \"nessuno\" non esiste.\n"},
        {"cli conta --archivio .", 1, "Impossibile usare \".\": è una cartella, non un file."},
        {"cli conta --archivio /dev/null", 1,
         "Impossibile usare \"/dev/null\": è una FIFO, un dispositivo o un socket, non un file."},
        {": >v; cli mostra 1 --archivio v", 1, "L'archivio \"v\" non contiene estrazioni.\n"},
        {"cli analizza --serie 5 --archivio v", 1, "L'archivio \"v\" non contiene estrazioni da"},
        {"cli serie --file nessuna", 1, "Il file delle serie \"nessuna\" non esiste.\n"},
        // Refused before the input is read.
        {"cli importa $A /dev/null", 1, "L'archivio \"Lotto.dat\" esiste già"},
    });
}

TEST_F(ProvaCli, AiutoInItalianoEUscitaControllata) {
    prova::ScriviArchivio(Settimanali(1000));
    Passi({
        {"for c in '' importa esporta conta mostra analizza serie; do cli $c --help; done >h && "
         "cli aggiorna -h >>h && cli --version >>h && grep -E '^(Uso: .*[A-Z.]$|ruotario-cli)' h "
         "&& grep -c -E '^  (importa|--archivio FILE|--serie N,N,...|--elimina K|N) ' h && ! grep "
         "-E 'Usage|OPTION|Option|Positional|SUBCOMMAND|Subcommand|help message|REQUIRED|TEXT|"
         "Display' h",
         0, "",
         "Uso: ruotario-cli [OPZIONI] COMANDO\nUso: ruotario-cli importa [OPZIONI] STORICO...\n"
         "Uso: ruotario-cli mostra [OPZIONI] N\nUso: ruotario-cli aggiorna [OPZIONI] STORICO...\n"
         "ruotario-cli " RUOTARIO_VERSIONE "\n10\n"},
        // Every command that prints fails on a full disk, and on a reader
        // that stops after one byte.
        {"for c in --help --version 'mostra --help' \"conta $A\" \"esporta $A\" \"mostra 1 $A\" "
         "\"analizza --serie 5 $A\" \"serie --aggiungi 7 $S\" \"serie $S\" \"importa --archivio b "
         "$DATI/storico.txt\" \"aggiorna --archivio b $DATI/storico.txt\"; do cli $c 2>&1 "
         ">/dev/full; echo $?; done | sort | uniq -c",
         0, "",
         "     11 1\n     11 ruotario-cli: impossibile scrivere il risultato: spazio su disco "
         "esaurito\n"},
        {"(cli esporta $A; echo $? >&2) | head -c1 >/dev/null", 0,
         "impossibile scrivere il risultato: il programma che riceveva i dati ha chiuso il "
         "collegamento\n1\n"},
    });
}

TEST_F(ProvaCli, ImportaDaPipeFifoEStandardInputMaiDaIngressiVuoti) {
    Scrivi("s.txt", "2001/01/06\tBA\t1\t2\t3\t4\t5\n2001/01/13\tCA\t6\t7\t8\t9\t10\n");
    // Nothing to import: the archive stays as it was, or is not created.
    std::string vuoti = "     10 1\n";
    for (const char* nome : {"/dev/null", "bianco.txt", "rn.txt", "standard input", "vuoto.txt"})
        vuoti += "      2 ruotario-cli: Nessuna estrazione in \""s + nome +
                 "\": l'archivio non è stato modificato.\n";
    const std::string due = "Importate 2 estrazioni in \"Lotto.dat\".\n";
    Passi({
        {"cat s.txt | cli importa $A - && cli esporta $A | cmp - s.txt && rm Lotto.dat && cli "
         "importa $A - <s.txt && cli esporta $A | cmp - s.txt && rm Lotto.dat && mkfifo f && { "
         "timeout 20 sh -c 'cat s.txt >f' & } && cli importa $A f && cli esporta $A | cmp - s.txt "
         "&& cp Lotto.dat uno.dat",
         0, "", due + due + due},
        {": >vuoto.txt; echo >bianco.txt; echo >>bianco.txt; head -n 1 s.txt | sed s/BA/RN/ "
         ">rn.txt; for i in /dev/null vuoto.txt bianco.txt rn.txt -; do cli importa $A "
         "--sovrascrivi $i; echo $?; cli importa --archivio nuovo.dat $i; echo $?; done </dev/null "
         "2>&1 | sort | uniq -c && cmp Lotto.dat uno.dat && test ! -e nuovo.dat",
         0, "", vuoti},
    });
}

// What the archive window may save comes back from the text as it was: two
// draws of one date, one dated before the draw before it, wheels missing.
// Roma is RM in the text, RO is read as Roma too. An archive past 32,767
// draws is only exported, and its text not imported.
TEST_F(ProvaCli, EsportaEReimportaLoStessoArchivio) {
    auto draws = Settimanali(5), guasto = draws;
    draws[1] = draws[0];
    draws[2] = prova::EstrazioneVuota(7, 1, 1871);
    prova::Ruota(draws[2], 10, {1, 2, 3, 4, 5});  // only Venezia, after Venezia
    draws[3].Day = 1;
    prova::ScriviArchivio(draws);
    guasto[1] = prova::EstrazioneVuota(14, 1, 1871);  // no line of the text can hold it
    prova::ScriviArchivio(guasto, cartella.File("guasto.dat"));
    prova::ScriviArchivio(Settimanali(32768), cartella.File("g.dat"));
    const std::string troppe =
        "L'archivio \"g.dat\" contiene 32768 estrazioni, più delle 32767 che il programma può";
    Passi({
        {"cli esporta $A >t.txt && cli importa --archivio c.dat t.txt && cmp Lotto.dat c.dat", 0,
         "attenzione: 3 estrazioni hanno una data non successiva a quella dell'estrazione "
         "precedente: n. 2, 3, 4.\n",
         "Importate 5 estrazioni in \"c.dat\".\n"},
        {"printf '2020/01/02\tBA\t1\t2\t3\t4\t5\r\n2020/01/02\tRO\t6\t7\t8\t9\t10\n' | cli "
         "importa --archivio r.dat - >/dev/null && cli esporta --archivio r.dat",
         0, "", "2020/01/02\tBA\t1\t2\t3\t4\t5\n2020/01/02\tRM\t6\t7\t8\t9\t10\n"},
        {"cli esporta --archivio guasto.dat", 1,
         "Impossibile esportare l'estrazione 2 (14/1/1871): non contiene nessun numero. Il testo "
         "ufficiale non può contenerla.\n"},
        {"cli conta --archivio g.dat", 1, troppe},
        {"cli mostra 1 --archivio g.dat", 1, troppe},
        {"cli analizza --serie 5 --archivio g.dat", 1, troppe},
        // Ten lines a draw; the last draw is 32767 weeks after 7 January 1871.
        {"cli esporta --archivio g.dat >t && wc -l <t && tail -n 1 t | cut -f 1,2", 0, "",
         "327680\n2499/01/03\tVE\n"},
        {"cli importa --archivio h.dat t", 1,
         "Errore nel file \"t\", riga 327671: più di 32767 "
         "estrazioni, che l'archivio non può contenere.\n"},
        {"head -n 327670 t >u && cli importa --archivio h.dat u", 0, "",
         "Importate 32767 estrazioni in \"h.dat\".\n"},
        {"truncate -s 3473302 g.dat && cli conta --archivio g.dat", 0, "", "32767\n"},
    });
}

// The real historical text in two steps gives the archive of both at once;
// a draw of the text on a date the archive holds must agree with it.
TEST_F(ProvaCli, AggiornaAggiungeSoloLeEstrazioniNuove) {
    Scrivi("a.txt", "2001/01/06\tBA\t1\t2\t3\t4\t5\n2001/01/20\tBA\t11\t12\t13\t14\t15\n");
    // 13 January and a second draw of the last date: missing, but not added.
    Scrivi("b.txt",
           "2001/01/06\tBA\t1\t2\t3\t4\t5\n2001/01/13\tBA\t6\t7\t8\t9\t10\n"
           "2001/01/20\tBA\t11\t12\t13\t14\t15\n2001/01/20\tBA\t11\t12\t13\t14\t15\n"
           "2001/01/27\tBA\t16\t17\t18\t19\t20\n");
    Scrivi("c.txt", "2001/01/20\tBA\t11\t12\t16\t14\t15\n2001/02/03\tBA\t21\t22\t23\t24\t25\n");
    const std::string antico = " $DATI/storico_1871_1938.txt", recente = " $DATI/storico.txt";
    Passi({
        {"cli importa $A" + antico, 0, "", "Importate 3548 estrazioni in \"Lotto.dat\".\n"},
        {"cli aggiorna $A" + recente, 0, "", "Aggiunte 7370 estrazioni a \"Lotto.dat\".\n"},
        {"cli importa --archivio r.dat" + antico + recente +
             " >/dev/null && cmp Lotto.dat r.dat && cat" + antico + recente +
             " >t && cli esporta $A | cmp - t && cli aggiorna $A" + recente,
         0, "", "Nessuna estrazione nuova da aggiungere a \"Lotto.dat\".\n"},
        {"cli importa --archivio p.dat a.txt >/dev/null && cli aggiorna --archivio p.dat b.txt", 0,
         "attenzione: 2 estrazioni dello storico mancano nell'archivio ma non sono state aggiunte: "
         "la data non è successiva all'ultima dell'archivio.\n",
         "Aggiunta 1 estrazione a \"p.dat\".\n"},
        {"cp p.dat q.dat && cli aggiorna --archivio p.dat c.txt", 1,
         "L'estrazione del 20/01/2001 sulla ruota di Bari non coincide con quella dell'archivio: "
         "nel file 11 12 16 14 15, nell'archivio 11 12 13 14 15. L'archivio non è stato "
         "cambiato.\n"},
        {"cmp p.dat q.dat && cli conta --archivio p.dat", 0, "", "3\n"},
    });
}

// Updates reaching further and further and imports of a new archive, in
// whatever order they get the lock; two lists adding series and deleting
// the first one, forty times in all.
TEST_F(ProvaCli, ProcessiInsiemeScrivonoOgniCosaUnaVolta) {
    const auto tutte = Settimanali(40);
    prova::ScriviArchivio({tutte.begin(), tutte.begin() + 5});
    prova::ScriviArchivio(tutte, cartella.File("atteso.dat"));
    for (int k : {10, 20, 30, 40})
        Scrivi("t" + std::to_string(k), EsportaStorico({tutte.begin(), tutte.begin() + k}));
    const std::string esiste =
        "ruotario-cli: L'archivio \"n.dat\" esiste già: per sostituirlo usare --sovrascrivi.\n";
    Passi({
        {"for k in 10 20 30 40; do cli aggiorna $A t$k & done 2>&1 | sed -nE 's/^(Aggiunt[ae] "
         "([0-9]+) estrazion[ei]|Nessuna estrazione nuova da aggiungere) a \"Lotto.dat\"\\.$/\\2/"
         "p' | awk '{ n += $1 } END { print NR, n }' && cmp Lotto.dat atteso.dat && for i in 1 2 "
         "3; "
         "do cli importa --archivio n.dat t40 & done 2>&1 | sort && cmp n.dat atteso.dat",
         0, "", "4 35\nImportate 40 estrazioni in \"n.dat\".\n" + esiste + esiste},
        {"for i in $(seq 40); do cli serie --aggiungi 70,$i $S; done >/dev/null && for g in 71 72; "
         "do for i in $(seq 10 29); do cli serie --aggiungi $g,$i $S && cli serie --elimina 1 $S; "
         "done >/dev/null & done; wait; cli serie $S | sed 's/ *S_.*//' | sort -s -k 1.1,1.3 >x; "
         "for g in 71 72; do seq -f \"-$g-%g\" 10 29; done | cmp - x",
         0, ""},
    });
}

TEST_F(ProvaCli, SerieElencaAggiungeEliminaSvuotaComeLaFinestra) {
    const std::string venti = "71,72,73,74,75,76,77,78,79,80,81,82,83,84,85,86,87,88,89,90";
    const std::string voce = "-71-72-73-74-75-76-77-78-79-80-81-82-83-84-85-86-87-88-89-90    S_";
    Passi({
        {"cli serie --aggiungi 5,12,47 $S", 0, "", "Serie salvata come S_1.\n"},
        {"cli serie --aggiungi 7 $S", 0, "", "Serie salvata come S_2.\n"},
        {"cli serie --aggiungi " + venti + " $S", 0, "", "Serie salvata come S_3.\n"},
        {"cli serie $S", 0, "", "-5 -12-47    S_1\n-7     S_2\n" + voce + "3\n"},
        {"cli serie --elimina 2 $S", 0, "", "Serie S_2 eliminata.\n"},
        {"cli serie $S", 0, "", "-5 -12-47    S_1\n" + voce + "2\n"},
        {"cli serie --elimina 3 $S", 2, "il numero della serie da eliminare deve essere compreso"},
        {"cli serie --aggiungi " + venti + ",1 $S", 2, "Inserire non piu' di 20 numeri\n"},
        // Emptied, as the window leaves it.
        {"cli serie --svuota $S && cli serie --svuota $S && cli serie $S", 0, "",
         "Eliminate 2 serie.\nNessuna serie da eliminare.\n  Non ci sono Serie da Visualizzare \n"},
        {"cli serie --elimina 1 $S", 1, "Il file delle serie \"Serie\" non contiene serie"},
    });
}

// A draw as the archive window shows it, the weekday beside the date; the
// series window's range: 181 draws ending at the last one unless told
// otherwise, a single draw being a range too.
TEST_F(ProvaCli, MostraEAnalizzaComeLeFinestre) {
    prova::ScriviArchivio(Settimanali(200));
    const std::string S = " --serie 5,6,7,8 $A";
    Passi({
        {"cli analizza" + S + " >a && cli analizza --da 20 --a 200" + S +
             " | cmp a - && ! cli analizza --da 19 --a 200" + S + " | cmp -s a -",
         0, ""},
        {"cli analizza --da 7 --a 7 --serie 77 $A | head -n 1", 0, "", "77\tRit.\tSort.\tStor.\n"},
        {"cli mostra 5 $A | head -n 2", 0, "", "Estrazione\t5\nData\t4\t2\t1871\t sab\n"},
    });
}

// Where the files live: beside a copy of the program of its own, else in the
// user's data folder, which an installed program fills once from its archive.
TEST_F(ProvaCli, CartellaDatiCopiaASeOppureDellUtente) {
    prova::ScriviArchivio(Settimanali(5), cartella.File("cinque.dat"));
    Passi({
        {"mkdir -p usr/bin usr/share/ruotario port && cp .bin/cli usr/bin && cp .bin/cli port && "
         "head -c 212 cinque.dat >usr/share/ruotario/Lotto.dat && export HOME=$PWD/casa && "
         "XDG_DATA_HOME=$PWD/xdg usr/bin/cli conta && XDG_DATA_HOME=relativa usr/bin/cli conta && "
         "cp cinque.dat casa/.local/share/ruotario/Lotto.dat && XDG_DATA_HOME= usr/bin/cli conta "
         "&& port/cli serie --aggiungi 5 && ls port xdg/ruotario casa/.local/share/ruotario",
         0, "",
         "2\n2\n5\nSerie salvata come S_1.\ncasa/.local/share/ruotario:\nLotto.dat\n\nport:\n"
         "Serie\ncli\n\nxdg/ruotario:\nLotto.dat\n"},
        {"env -u HOME -u XDG_DATA_HOME usr/bin/cli conta", 1, "Impossibile trovare una cartella"},
    });
}

// A write that does not fit stops short and fails: the file is put back as
// it was (and flushed), a file that was not there is not left, nor anything
// beside it. Every write reaches the disk, and after a replacement the
// folder too, or fails. No symbolic link is written through: one named like
// a leftover of a killed replacement goes as a name, any other stays.
TEST_F(ProvaCli, IlDiscoHaTuttoONienteESenzaCollegamenti) {
    prova::ScriviArchivio(Settimanali(3));  // 318 bytes
    Scrivi("1.txt", "2001/01/06\tBA\t1\t2\t3\t4\t5\n");
    Scrivi("2.txt", "2001/01/06\tBA\t1\t2\t3\t4\t5\n2001/01/13\tBA\t6\t7\t8\t9\t10\n");
    const std::string scrivere = "Impossibile scrivere il file \"";
    Passi({
        {"for i in $(seq 12); do cli serie --aggiungi $i $S; done >/dev/null && for g in $(seq 20 "
         "25); do printf '2001/01/%s\tBA\t1\t2\t3\t4\t5\n' $g; done >6.txt && mkdir -p "
         "fuori/cartella && echo ok | tee fuori/file fuori/cartella/dentro && for n in "
         "Lotto.dat.tmp Lotto.dat.nuovo-a Serie.nuovo-b; do ln -s fuori/file $n; done && ln -s "
         "fuori/cartella Lotto.dat.nuovo-c && ln -s assente Lotto.dat.nuovo-d && echo "
         ">Lotto.dat.nuovo-e && cp Lotto.dat l0 && cp Serie s0",
         0, "", "ok\n"},
        {"L 1 F cli aggiorna $A 6.txt", 1, scrivere + "Lotto.dat\": file troppo grande.\n", "F"},
        {"L 1 cli importa --sovrascrivi $A 6.txt", 1, scrivere + "Lotto.dat\": file troppo"},
        {"L 1 F cli serie --aggiungi 3 $S", 1, scrivere + "Serie\": file troppo grande.\n", "F"},
        {"! L 0 cli serie --aggiungi 3 --file n 2>/dev/null && cmp Lotto.dat l0 && cmp Serie s0 "
         "&& rm l0 s0 && ls && F cli importa --sovrascrivi $A 1.txt",
         0, "",
         "1.txt\n2.txt\n6.txt\nLotto.dat\nLotto.dat.tmp\nSerie\nSerie.nuovo-b\nfuori\nImportata 1 "
         "estrazione in \"Lotto.dat\".\nFD"},
        {"F cli aggiorna $A 2.txt", 0, "", "Aggiunta 1 estrazione a \"Lotto.dat\".\nF"},
        {"F cli serie --aggiungi 6 $S", 0, "", "Serie salvata come S_13.\nF"},
        {"F cli serie --elimina 1 $S", 0, "", "Serie S_1 eliminata.\nFD"},
        {"mkdir d && cli importa --sovrascrivi --archivio d 1.txt", 1,
         "Impossibile sostituire il file \"d\": il nome indica una cartella.\n"},
        {"export FINTO_FSYNC_CARTELLE=1; F cli importa --sovrascrivi $A 1.txt", 1,
         "Impossibile rendere definitivo su disco il file \"Lotto.dat\": errore di lettura o "
         "scrittura sul disco.\n",
         "FD"},
        {"ls && cat fuori/file fuori/cartella/dentro", 0, "",
         "1.txt\n2.txt\n6.txt\nLotto.dat\nLotto.dat.tmp\nSerie\nd\nfuori\nok\nok\n"},
    });
}

}  // namespace
}  // namespace ruotario
