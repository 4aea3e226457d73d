#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>

#include "esegui.h"
#include "series/file_serie.h"
#include "store/lotto_dat.h"
#include "store/module1.h"
#include "store/storico.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

using prova::Cli;
using prova::kCli;
using prova::LeggiBytes;
using prova::Shell;

const std::string kDati = RUOTARIO_DATA_DIR;

bool Contiene(const std::string& testo, const std::string& parte) {
    return testo.find(parte) != std::string::npos;
}

// A program folder with its archive, Lotto.dat, named on every command line.
class ProvaCli : public ::testing::Test {
  protected:
    std::string Percorso(const std::string& nome) const { return cartella.File(nome).string(); }
    std::string Scrivi(const std::string& nome, const std::string& testo) const {
        prova::ScriviBytes(cartella.File(nome), testo);
        return Percorso(nome);
    }

    prova::CartellaProva cartella;
    const std::string file = LottoDatPath().string();
    const std::string A = " --archivio " + file;
};

using CliUso = ProvaCli;
using CliUscita = ProvaCli;
using CliImporta = ProvaCli;
using CliAggiorna = ProvaCli;
using CliSerie = ProvaCli;

TEST_F(CliUso, UsoSbagliatoDa2FallimentoDa1) {
    prova::ScriviArchivio(prova::Settimanali(3));
    const std::string vuoto = " --archivio " + Scrivi("vuoto.dat", "");
    const std::string nessuno = Percorso("nessuno.dat");
    struct Caso {
        std::string argomenti;
        int codice;
        std::string messaggio;
    };
    const Caso casi[] = {
        {"", 2, "indicare un comando"},
        {"sconosciuto", 2, "comando sconosciuto \"sconosciuto\""},
        {"--boh conta", 2, "opzione sconosciuta \"--boh\""},
        {"conta --boh" + A, 2, "opzione sconosciuta \"--boh\""},
        {"conta x" + A, 2, "argomento in più \"x\""},
        {"mostra 1 2" + A, 2, "argomento in più \"2\""},
        {"conta --archivio a --archivio b", 2, "l'opzione --archivio è indicata più di una volta"},
        {"analizza --serie 5 --serie 6" + A, 2, "l'opzione --serie è indicata più di una volta"},
        {"conta --archivio ''", 2, "l'opzione --archivio non può essere vuota"},
        {"analizza --serie ''" + A, 2, "l'opzione --serie non può essere vuota"},
        {"serie --file ''", 2, "l'opzione --file non può essere vuota"},
        {"conta --archivio", 2, "manca il valore dell'opzione --archivio"},
        {"importa --sovrascrivi=si" + A + " s.txt", 2,
         "l'opzione --sovrascrivi non vuole un valore"},
        {"importa" + A, 2, "indicare almeno un file dello storico da importare"},
        {"mostra" + A, 2, "indicare il numero dell'estrazione da mostrare"},
        {"mostra 0" + A, 2, "il numero dell'estrazione deve essere compreso tra 1 e 3, non \"0\""},
        {"mostra 4" + A, 2, "il numero dell'estrazione deve essere compreso tra 1 e 3, non \"4\""},
        {"mostra 1x" + A, 2,
         "il numero dell'estrazione deve essere compreso tra 1 e 3, non \"1x\""},
        {"analizza" + A, 2, "indicare la serie con --serie, per esempio --serie 5,17,33"},
        {"analizza --serie 5,6,5" + A, 2,
         "Serie non valida: il numero 5 compare più di una volta."},
        {"analizza --serie 5,91" + A, 2, "Serie non valida: il numero 91 è fuori dall'intervallo"},
        {"analizza --serie 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21" + A, 2,
         "Inserire non piu' di 20 numeri"},
        {"analizza --serie 5,2.5" + A, 2, "\"2.5\" non è un numero intero"},
        {"analizza --serie 5 --a 4" + A, 2,
         "la fine dell'intervallo (--a) deve essere compresa tra 1 e 3, non \"4\""},
        {"analizza --serie 5 --da 3 --a 2" + A, 2,
         "intervallo rovesciato: l'inizio 3 viene dopo la fine 2"},
        {"serie --svuota --aggiungi 5", 2, "le opzioni --aggiungi e --svuota non si possono"},
        {"conta --archivio " + nessuno, 1, "L'archivio \"" + nessuno + "\" non esiste."},
        {"mostra 1" + vuoto, 1, "L'archivio \"" + Percorso("vuoto.dat") + "\" non contiene"},
        {"analizza --serie 5" + vuoto, 1,
         "L'archivio \"" + Percorso("vuoto.dat") + "\" non contiene"},
        {"serie --file /nonexistent", 1, "Il file delle serie \"/nonexistent\" non esiste."},
        {"importa" + A + " " + kDati + "/storico.txt", 1, "L'archivio \"" + file + "\" esiste già"},
    };
    for (const auto& [argomenti, codice, messaggio] : casi) {
        auto esito = Cli(argomenti);
        EXPECT_EQ(esito.codice, codice) << argomenti;
        EXPECT_EQ(esito.uscita, "") << argomenti;
        EXPECT_TRUE(esito.errori.starts_with("ruotario-cli: " + messaggio)) << esito.errori;
        EXPECT_EQ(Contiene(esito.errori, "\nPer l'aiuto: ruotario-cli"), codice == 2) << argomenti;
    }
    EXPECT_EQ(Cli("mostra 9" + A).errori,
              "ruotario-cli: il numero dell'estrazione deve essere compreso tra 1 e 3, non \"9\"\n"
              "Per l'aiuto: ruotario-cli mostra --help\n");
}

TEST_F(CliUso, AiutoEVersioneInItaliano) {
    const std::pair<std::string, std::string> aiuti[] = {
        {"--help", "Uso: ruotario-cli [OPZIONI] COMANDO\n"},
        {"-h", "\nComandi:\n  importa "},
        {"importa --help", "Uso: ruotario-cli importa [OPZIONI] STORICO...\n"},
        {"aggiorna -h", "Uso: ruotario-cli aggiorna [OPZIONI] STORICO...\n"},
        {"esporta --help", "Uso: ruotario-cli esporta [OPZIONI]\n"},
        {"conta --help", "--archivio FILE"},
        {"mostra --help", "Uso: ruotario-cli mostra [OPZIONI] N\n\nArgomenti:\n  N "},
        {"analizza --help", "--serie N,N,..."},
        {"serie --help", "--elimina K"},
        {"--version", "ruotario-cli " RUOTARIO_VERSIONE "\n"},
    };
    for (const auto& [argomenti, atteso] : aiuti) {
        auto esito = Cli(argomenti);
        EXPECT_EQ(esito.codice, 0) << argomenti;
        EXPECT_EQ(esito.errori, "") << argomenti;
        EXPECT_TRUE(Contiene(esito.uscita, atteso)) << esito.uscita;
        for (const char* inglese : {"Usage", "OPTION", "Option", "Positional", "SUBCOMMAND",
                                    "Subcommand", "help message", "REQUIRED", "TEXT", "Display"})
            EXPECT_FALSE(Contiene(esito.uscita, inglese)) << inglese << " in\n" << esito.uscita;
    }
}

TEST_F(CliUscita, DiscoPienoOLettoreChiusoSonoErrori) {
    prova::ScriviArchivio(prova::Settimanali(1000));
    const std::string storico = " " + Scrivi("s.txt", "2001/01/06\tBA\t1\t2\t3\t4\t5\n");
    const std::string serie = " --file " + Percorso("Serie");
    AccodaSerie(Percorso("Serie"), {5});
    const std::string comandi[] = {
        "--help",
        "--version",
        "mostra --help",
        "conta" + A,
        "esporta" + A,
        "mostra 1" + A,
        "analizza --serie 5" + A,
        "serie" + serie,
        "serie --aggiungi 7" + serie,
        "importa --archivio " + Percorso("b.dat") + storico,
        "aggiorna --archivio " + Percorso("b.dat") + storico,
    };
    for (const std::string& comando : comandi) {
        auto esito = Cli(comando + " >/dev/full");
        EXPECT_EQ(esito.codice, 1) << comando;
        EXPECT_EQ(esito.errori,
                  "ruotario-cli: impossibile scrivere il risultato: spazio su disco esaurito\n")
            << comando;
    }
    // A reader that stops after one byte: the rest cannot be written.
    auto chiusa = Shell("(" + kCli + " esporta" + A + "; echo $? >&2) | head -c1 >/dev/null");
    EXPECT_EQ(chiusa.errori,
              "ruotario-cli: impossibile scrivere il risultato: il programma che riceveva i dati "
              "ha chiuso il collegamento\n1\n");
}

TEST_F(CliImporta, DaPipeFifoEStandardInputMaiDaIngressiVuoti) {
    const std::string s = Scrivi("s.txt",
                                 "2001/01/06\tBA\t1\t2\t3\t4\t5\n"
                                 "2001/01/13\tCA\t6\t7\t8\t9\t10\n");
    auto primo = prova::EstrazioneVuota(6, 1, 2001);
    prova::Ruota(primo, 1, {1, 2, 3, 4, 5});
    auto secondo = prova::EstrazioneVuota(13, 1, 2001);
    prova::Ruota(secondo, 2, {6, 7, 8, 9, 10});
    prova::ScriviArchivio({primo, secondo}, cartella.File("atteso.dat"));
    const std::string fifo = Percorso("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string importa = kCli + " importa" + A;
    const std::string modi[] = {
        "cat " + s + " | " + importa + " -",
        importa + " - <" + s,
        "timeout 20 sh -c 'cat " + s + " >" + fifo + "' >/dev/null 2>&1 & timeout 20 " + importa +
            " " + fifo,
    };
    for (const std::string& modo : modi) {
        std::filesystem::remove(file);
        auto esito = Shell(modo);
        EXPECT_EQ(esito.codice, 0) << modo << esito.errori;
        EXPECT_EQ(esito.uscita, "Importate 2 estrazioni in \"" + file + "\".\n");
        EXPECT_TRUE(LeggiBytes(file) == LeggiBytes(cartella.File("atteso.dat"))) << modo;
    }
    EXPECT_EQ(Cli("importa --sovrascrivi" + A + " - <" +
                  Scrivi("uno.txt", "2001/01/06\tBA\t1\t2\t3\t4\t5\n"))
                  .uscita,
              "Importata 1 estrazione in \"" + file + "\".\n");

    // Nothing to import: the archive stays as it was, or is not created.
    const std::string prima = LeggiBytes(file);
    const std::pair<std::string, std::string> vuoti[] = {
        {"/dev/null", "/dev/null"},
        {"- </dev/null", "standard input"},
        {Scrivi("vuoto.txt", ""), Percorso("vuoto.txt")},
        {Scrivi("bianco.txt", "\n\n"), Percorso("bianco.txt")},
        {Scrivi("rn.txt", "2001/01/06\tRN\t1\t2\t3\t4\t5\n"), Percorso("rn.txt")},
    };
    for (const auto& [ingresso, nome] : vuoti) {
        for (const std::string& archivio :
             {A + " --sovrascrivi", " --archivio " + Percorso("nuovo.dat")}) {
            auto esito = Cli("importa" + archivio + " " + ingresso);
            EXPECT_EQ(esito.codice, 1) << ingresso;
            EXPECT_EQ(esito.errori, "ruotario-cli: Nessuna estrazione in \"" + nome +
                                        "\": l'archivio non è stato modificato.\n");
        }
        EXPECT_TRUE(LeggiBytes(file) == prima) << ingresso;
        EXPECT_FALSE(std::filesystem::exists(Percorso("nuovo.dat"))) << ingresso;
    }
}

TEST_F(CliImporta, EsportaEReimportaLoStessoArchivio) {
    // Two draws of one date and one dated before the draw before it, as the
    // archive window can save them.
    std::vector<DrawRecord> draws = {
        prova::Estrazione(7, 1, 2000, 1), prova::Estrazione(7, 1, 2000, 2),
        prova::Estrazione(1, 1, 2000, 3), prova::Estrazione(14, 1, 2000, 4)};
    prova::ScriviArchivio(draws);
    auto esporta = Cli("esporta" + A);
    ASSERT_EQ(esporta.codice, 0) << esporta.errori;
    const std::string copia = Percorso("copia.dat");
    auto importa = Cli("importa --archivio " + copia + " " + Scrivi("testo.txt", esporta.uscita));
    EXPECT_EQ(importa.uscita, "Importate 4 estrazioni in \"" + copia + "\".\n");
    EXPECT_EQ(importa.errori,
              "ruotario-cli: attenzione: 2 estrazioni hanno una data non successiva a quella "
              "dell'estrazione precedente: n. 2, 3.\n");
    EXPECT_TRUE(LeggiBytes(copia) == LeggiBytes(file));

    // A record without any number has no line in the text.
    draws[1] = prova::EstrazioneVuota(7, 1, 2000);
    prova::ScriviArchivio(draws);
    auto rifiuto = Cli("esporta" + A);
    EXPECT_EQ(rifiuto.codice, 1);
    EXPECT_EQ(rifiuto.uscita, "");
    EXPECT_TRUE(rifiuto.errori.starts_with(
        "ruotario-cli: Impossibile esportare l'estrazione 2 (7/1/2000): "))
        << rifiuto.errori;
}

TEST_F(CliImporta, OltreLe32767EstrazioniSoloEsporta) {
    prova::ScriviArchivio(prova::Settimanali(32768));
    const std::string troppe = "ruotario-cli: L'archivio \"" + file +
                               "\" contiene 32768 estrazioni, più delle 32767 che il programma può "
                               "gestire";
    for (const std::string comando : {"conta", "mostra 1", "analizza --serie 5"}) {
        auto esito = Cli(comando + A);
        EXPECT_EQ(esito.codice, 1) << comando;
        EXPECT_TRUE(esito.errori.starts_with(troppe)) << esito.errori;
    }
    // Ten lines a draw; the last draw is 32767 weeks after 7 January 1871.
    auto esporta = Cli("esporta" + A);
    EXPECT_EQ(esporta.codice, 0);
    EXPECT_EQ(std::count(esporta.uscita.begin(), esporta.uscita.end(), '\n'), 327680);
    EXPECT_TRUE(Contiene(esporta.uscita.substr(esporta.uscita.size() - 30), "\n2499/01/03\tVE\t"));
}

TEST_F(CliAggiorna, LoStoricoRealeInDueTempi) {
    const std::string antico = " " + kDati + "/storico_1871_1938.txt";
    const std::string recente = " " + kDati + "/storico.txt";
    EXPECT_EQ(Cli("importa" + A + antico).uscita,
              "Importate 3548 estrazioni in \"" + file + "\".\n");
    auto aggiorna = Cli("aggiorna" + A + recente);
    EXPECT_EQ(aggiorna.uscita, "Aggiunte 7370 estrazioni a \"" + file + "\".\n");
    EXPECT_EQ(aggiorna.errori, "");
    const std::string insieme = Percorso("insieme.dat");
    EXPECT_EQ(Cli("importa --archivio " + insieme + antico + recente).codice, 0);
    EXPECT_TRUE(LeggiBytes(file) == LeggiBytes(insieme));
    EXPECT_EQ(Cli("aggiorna" + A + recente).uscita,
              "Nessuna estrazione nuova da aggiungere a \"" + file + "\".\n");
    EXPECT_EQ(Cli("conta" + A).uscita, "10918\n");
    EXPECT_TRUE(Cli("esporta" + A).uscita ==
                LeggiBytes(kDati + "/storico_1871_1938.txt") + LeggiBytes(kDati + "/storico.txt"));
}

TEST_F(CliAggiorna, AssentiEDisaccordi) {
    const std::string gen06 = "2001/01/06\tBA\t1\t2\t3\t4\t5\n";
    const std::string gen13 = "2001/01/13\tBA\t6\t7\t8\t9\t10\n";
    const std::string gen20 = "2001/01/20\tBA\t11\t12\t13\t14\t15\n";
    const std::string gen27 = "2001/01/27\tBA\t16\t17\t18\t19\t20\n";
    ASSERT_EQ(Cli("importa" + A + " " + Scrivi("a.txt", gen06 + gen20)).codice, 0);
    auto esito = Cli("aggiorna" + A + " " + Scrivi("b.txt", gen06 + gen13 + gen20 + gen27));
    EXPECT_EQ(esito.uscita, "Aggiunta 1 estrazione a \"" + file + "\".\n");
    EXPECT_EQ(esito.errori,
              "ruotario-cli: attenzione: 1 estrazione dello storico manca nell'archivio ma non è "
              "stata aggiunta: la data non è successiva all'ultima dell'archivio.\n");
    EXPECT_EQ(ContaRecord(file), 3);

    const std::string prima = LeggiBytes(file);
    auto rifiuto = Cli("aggiorna" + A + " " +
                       Scrivi("c.txt",
                              "2001/01/20\tBA\t11\t12\t13\t14\t16\n"
                              "2001/02/03\tBA\t21\t22\t23\t24\t25\n"));
    EXPECT_EQ(rifiuto.codice, 1);
    EXPECT_EQ(rifiuto.errori,
              "ruotario-cli: L'estrazione del 20/01/2001 sulla ruota di Bari non coincide con "
              "quella dell'archivio: nel file 11 12 13 14 16, nell'archivio 11 12 13 14 15. "
              "L'archivio non è stato cambiato.\n");
    EXPECT_TRUE(LeggiBytes(file) == prima);
}

TEST_F(CliAggiorna, ProcessiInsiemeScrivonoOgniEstrazioneUnaVolta) {
    const auto tutte = prova::Settimanali(40);
    prova::ScriviArchivio(tutte, cartella.File("atteso.dat"));
    prova::ScriviArchivio({tutte.begin(), tutte.begin() + 5});
    // Four updates reaching further and further, in whatever order they get the lock.
    std::string riga;
    for (int k : {10, 20, 30, 40}) {
        const std::string n = std::to_string(k);
        Scrivi("t" + n, EsportaStorico({tutte.begin(), tutte.begin() + k}));
        riga += kCli + " aggiorna" + A + " " + Percorso("t" + n) + " >" + Percorso("o" + n) +
                " 2>&1 & ";
    }
    Shell(riga + "wait");
    const std::regex aggiunte(
        "(Aggiunt[ae] ([0-9]+) estrazion[ei]|Nessuna estrazione nuova "
        "da aggiungere) a \"" +
        file + "\"\\.\n");
    int totale = 0;
    for (int k : {10, 20, 30, 40}) {
        std::smatch esito;
        const std::string uscita = LeggiBytes(Percorso("o" + std::to_string(k)));
        ASSERT_TRUE(std::regex_match(uscita, esito, aggiunte)) << uscita;
        totale += esito[2].matched ? std::stoi(esito[2]) : 0;
    }
    EXPECT_EQ(totale, 35);
    EXPECT_TRUE(LeggiBytes(file) == LeggiBytes(cartella.File("atteso.dat")));

    // Three imports of a new archive: one creates it, the others find it there.
    const std::string nuovo = Percorso("nuovo.dat");
    riga.clear();
    for (const char* n : {"1", "2", "3"})
        riga += kCli + " importa --archivio " + nuovo + " " + Percorso("t40") + " >" +
                Percorso(std::string("i") + n) + " 2>&1 & ";
    Shell(riga + "wait");
    int create = 0, rifiutate = 0;
    for (const char* n : {"1", "2", "3"}) {
        const std::string uscita = LeggiBytes(Percorso(std::string("i") + n));
        create += uscita == "Importate 40 estrazioni in \"" + nuovo + "\".\n";
        rifiutate += uscita == "ruotario-cli: L'archivio \"" + nuovo +
                                   "\" esiste già: per sostituirlo usare --sovrascrivi.\n";
    }
    EXPECT_EQ(create, 1);
    EXPECT_EQ(rifiutate, 2);
    EXPECT_TRUE(LeggiBytes(nuovo) == LeggiBytes(cartella.File("atteso.dat")));
}

TEST_F(CliSerie, ElencaAggiungeEliminaSvuotaComeLaFinestra) {
    const std::string serie = " --file " + Percorso("Serie");
    struct Passo {
        std::string argomenti;
        int codice;
        std::string uscita;  // standard output, or the start of the error after "ruotario-cli: "
    };
    const Passo passi[] = {
        {"--aggiungi 5,12,47", 0, "Serie salvata come S_1.\n"},
        {"--aggiungi 7", 0, "Serie salvata come S_2.\n"},
        {"--aggiungi 9,8", 0, "Serie salvata come S_3.\n"},
        {"", 0, "-5 -12-47    S_1\n-7     S_2\n-9 -8     S_3\n"},
        {"--elimina 2", 0, "Serie S_2 eliminata.\n"},
        {"", 0, "-5 -12-47    S_1\n-9 -8     S_2\n"},
        {"--elimina 3", 2, "il numero della serie da eliminare deve essere compreso tra 1 e 2"},
        {"--aggiungi 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21", 2,
         "Inserire non piu' di 20 numeri\n"},
        {"--aggiungi 5,91", 2, "Serie non valida: il numero 91 è fuori dall'intervallo 1-90.\n"},
        {"--aggiungi 5,6,5", 2, "Serie non valida: il numero 5 compare più di una volta.\n"},
        {"--aggiungi ''", 2, "l'opzione --aggiungi non può essere vuota\n"},
        {"--elimina 1 --svuota", 2, "le opzioni --elimina e --svuota non si possono usare insieme"},
        {"--svuota", 0, "Eliminate 2 serie.\n"},
        {"--svuota", 0, "Nessuna serie da eliminare.\n"},
        {"", 0, "  Non ci sono Serie da Visualizzare \n"},  // emptied, as the window leaves it
        {"--elimina 1", 1, "Il file delle serie \"" + Percorso("Serie") + "\" non contiene serie"},
    };
    for (const auto& [argomenti, codice, atteso] : passi) {
        auto esito = Cli("serie " + argomenti + serie);
        EXPECT_EQ(esito.codice, codice) << argomenti;
        if (codice == 0)
            EXPECT_EQ(esito.uscita, atteso) << argomenti;
        else
            EXPECT_TRUE(esito.errori.starts_with("ruotario-cli: " + atteso)) << esito.errori;
    }
    auto assente = Cli("serie --file " + Percorso("Altre"));
    EXPECT_EQ(assente.codice, 1);
    EXPECT_EQ(assente.errori,
              "ruotario-cli: Il file delle serie \"" + Percorso("Altre") + "\" non esiste.\n");
}

TEST_F(CliUso, AnalizzaStampaLaTabellaDellaFinestra) {
    // Bari draws 9 in the second of three draws; every other number is 81..85.
    std::vector<DrawRecord> draws(3, prova::EstrazioneVuota(1, 1, 2000));
    for (auto& d : draws)
        for (int w = 1; w <= kRuote; ++w)
            prova::Ruota(d, w, {81, 82, 83, 84, 85});
    draws[1].Numbers(3, 1) = 9;
    prova::ScriviArchivio(draws);

    auto esito = Cli("analizza --serie 9" + A);
    ASSERT_EQ(esito.codice, 0) << esito.errori;
    std::string attesa = "9\tRit.\tSort.\tStor.\nBA\t1\t1\t1\n";
    for (const char* ruota : {"CA", "FI", "GE", "MI", "NA", "PA", "RO", "TO", "VE"})
        attesa += std::string(ruota) + "\t3\t0\t3\n";
    EXPECT_EQ(esito.uscita, attesa + "Tutte\t1\t\t1\nSom\t28\t1\t\n");
    EXPECT_EQ(Cli("analizza --serie 9 --da 2 --a 2" + A).uscita.substr(0, 28),
              "9\tRit.\tSort.\tStor.\nBA\t0\t1\t0\n");

    // 181 draws ending at the last one unless told otherwise.
    prova::ScriviArchivio(prova::Settimanali(200));
    auto predefinito = Cli("analizza --serie 5,6,7,8" + A);
    ASSERT_EQ(predefinito.codice, 0) << predefinito.errori;
    EXPECT_EQ(predefinito.uscita, Cli("analizza --serie 5,6,7,8 --da 20 --a 200" + A).uscita);
    EXPECT_NE(predefinito.uscita, Cli("analizza --serie 5,6,7,8 --da 19 --a 200" + A).uscita);
}

}  // namespace
}  // namespace ruotario
