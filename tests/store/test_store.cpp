// The store: the archive's records, the official text, the numbering of a
// draw, and a writer killed half-way. The folder's lock is met by
// ruotario-cli's processes (tests/tools).
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "store/lotto_dat.h"
#include "store/numerazione.h"
#include "store/storico.h"
#include "support/archivio_prova.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using namespace std::string_literals;
using namespace prova;

// The count and the append the windows use: whole records only, up to 32,767,
// each 16-bit little-endian (the date, then the five numbers of each wheel).
TEST(LottoDat, SiContanoIRecordInteriESiAccodaFinoA32767) {
    CartellaProva cartella;
    Module1State& m = Module1();
    ContaEstrazioni();  // no archive: an empty one is made
    EXPECT_EQ(std::filesystem::file_size(LottoDatPath()) + m.DrawCount, 0u);
    ScriviBytes(LottoDatPath(), std::string(3 * 106 + 105, '\x07'));  // and part of a fourth
    ContaEstrazioni();
    EXPECT_EQ(std::pair(+m.DrawCount, m.CurrentDrawIndex), std::pair(3, 3));
    // Over the fragment; then, the count gone stale, after the last draw there
    // is. Bari I and V, Cagliari I, Venezia V.
    DrawRecord& nuova = m.CurrentDraw = DrawRecord{7, 1, 1871};
    nuova.Numbers(1, 1) = 11, nuova.Numbers(5, 1) = 15, nuova.Numbers(1, 2) = 21;
    nuova.Numbers(5, 10) = -3;
    AccodaEstrazione();
    AccodaEstrazione();
    const std::string byte = "\x07\0\x01\0\x4f\x07\x0b\0"s + std::string(6, '\0') +
                             "\x0f\0\x15\0"s + std::string(86, '\0') + "\xfd\xff"s;
    EXPECT_EQ(LeggiBytes(LottoDatPath()) + std::to_string(m.DrawCount),
              std::string(318, '\x07') + byte + byte + "3");
    IoGuasto guasto;  // a count that fails leaves 0, never the count before
    guasto.Fallisci(IoGuasto::Op::Size, EACCES);
    EXPECT_THROW(ContaEstrazioni(), Errore);
    EXPECT_EQ(m.DrawCount + m.CurrentDrawIndex, 0);
    // The 32,767th draw fits, the next does not; past it the file is counted
    // by no one and written by no one.
    ScriviBytes(LottoDatPath(), std::string(32766 * kDrawRecordSize, '\0'));
    AccodaEstrazione();
    EXPECT_EQ(Fallimento(AccodaEstrazione),
              "L'archivio è pieno: non può contenere più di 32767 estrazioni.");
    ScriviBytes(LottoDatPath(), LeggiBytes(LottoDatPath()) + byte);
    const std::string troppe =
        "L'archivio \"" + LottoDatPath().string() +
        "\" contiene 32768 estrazioni, più delle 32767 che il programma può gestire: non viene "
        "usato né modificato. Con \"ruotario-cli esporta\" lo si può salvare come testo.";
    EXPECT_EQ(Fallimento(ContaEstrazioni) + Fallimento(AccodaEstrazione), troppe + troppe);
    EXPECT_EQ(std::filesystem::file_size(LottoDatPath()) + m.DrawCount, 32768 * kDrawRecordSize);
}

// The official text: every bad line is refused naming its file, its line and
// the reason; so is every record the text cannot hold, naming the record.
TEST(StoricoTesto, RigheERecordRifiutatiConIlMotivo) {
    const std::string formato =
        "riga non valida: attese la data (AAAA/MM/GG), la ruota e cinque numeri separati da "
        "tabulazioni";
    const std::pair<std::string, std::string> casi[] = {
        {"2020/01/02\tBA\t1\t2\t3\t4", formato},
        {"2020-01-02\tBA\t1\t2\t3\t4\t5", formato},
        {"2020/01/02\tBA\t1\t2\tx\t4\t5", formato},
        {"2020/01/02\tXX\t1\t2\t3\t4\t5", "ruota sconosciuta \"XX\""},
        {"2020/01/02\tCA\t1\t2\t91\t4\t5", "numero fuori dall'intervallo 1-90 (91)"},
        {"2020/01/02\tCA\t1\t0\t3\t4\t5", "numero fuori dall'intervallo 1-90 (0)"},
        {"2020/01/02\tCA\t1\t2\t3\t2\t5", "il numero 2 è ripetuto sulla ruota di Cagliari"},
        {"2021/02/29\tCA\t1\t2\t3\t4\t5", "data impossibile \"2021/02/29\""},
        {"2020/00/10\tCA\t1\t2\t3\t4\t5", "data impossibile \"2020/00/10\""},
    };
    // The bad line is the second of the second file, after a draw of the first.
    for (const auto& [riga, motivo] : casi)
        EXPECT_EQ(
            Fallimento([&] {
                ImportaStorico({{"a.txt", "2020/01/02\tBA\t1\t2\t3\t4\t5"}, {"b", "\n" + riga}});
            }),
            "Errore nel file \"b\", riga 2: " + motivo + ".");
    // What the official text cannot hold is refused, naming the draw: a draw
    // of the date of the one before whose wheels all follow its last wheel
    // could not be told from it when read back.
    using E = std::vector<DrawRecord>;
    const std::pair<std::function<void(E&)>, std::string> rifiuti[] = {
        {[](E& d) { d[0].Day = 31, d[0].Month = 6; },
         "1 (31/6/1871): la data non è una data del calendario"},
        {[](E& d) { d[0].Year = 10000; }, "1 (7/1/10000): la data non è una data del calendario"},
        {[](E& d) { d[0].Numbers(2, 4) = 91; },
         "1 (7/1/1871): il numero 91 sulla ruota di Genova è fuori dall'intervallo 1-90"},
        {[](E& d) { d[0].Numbers(5, 6) = d[0].Numbers(1, 6); },
         "1 (7/1/1871): il numero 86 è ripetuto sulla ruota di Napoli"},
        {[](E& d) { d[0].Numbers(3, 7) = 0; },
         "1 (7/1/1871): la ruota di Palermo ha solo 4 numeri"},
        {[](E& d) {
             d.push_back(DrawRecord{14, 1, 1871});
         },
         "2 (14/1/1871): non contiene nessun numero"},
        {[](E& d) {
             d = {DrawRecord{7, 1, 1871}, d[0]};
             Ruota(d[0], 1, {1, 2, 3, 4, 5}), Ruota(d[1], 1, {0, 0, 0, 0, 0});
         },
         "2 (7/1/1871): ha la stessa data dell'estrazione prima e le sue ruote seguono le ultime "
         "di quella, così che le due non si potrebbero distinguere"},
    };
    for (const auto& [guasta, motivo] : rifiuti) {
        E draws = {Estrazione(7, 1, 1871)};
        guasta(draws);
        EXPECT_EQ(Fallimento([&] { EsportaStorico(draws); }),
                  "Impossibile esportare l'estrazione " + motivo +
                      ". Il testo ufficiale non può contenerla.");
    }
}

// Each record's number within its year and its month (the month alone: the
// year does not count), where the yearly walk leaves the cursor (the record
// of another year it stopped on, or 0) and the record it read last, read
// backwards in growing chunks: a year of 300 draws takes two reads.
TEST(Numerazione, MeseEAnnoContatiAllIndietro) {
    CartellaProva cartella;
    std::vector<DrawRecord> draws = {Estrazione(11, 1, 1941), Estrazione(25, 1, 1941),
                                     Estrazione(6, 1, 1946), Estrazione(31, 12, 1999),
                                     Estrazione(1, 1, 2000)};
    for (auto [anno, giorni] : {std::pair{2003, 13}, {2004, 25}})
        for (int mese = 1; mese <= 12; ++mese)
            for (int giorno = 1; giorno <= giorni; ++giorno)
                draws.push_back(Estrazione(giorno, mese, anno));
    ScriviArchivio(draws);
    // Record: yearly and monthly numbers, cursor, day and month of the record
    // read last, reads.
    std::string numeri;
    auto T = [](auto valore) { return std::to_string(valore) + " "; };
    for (int record : {1, 3, 4, 5, 161, 186, 461}) {
        IoGuasto letture;  // fails nothing, counts the reads
        const Numerazione n = NumeraEstrazione(LottoDatPath(), record);
        numeri += T(n.Annuale) + T(n.Mensile) + T(n.Cursore) + T(n.UltimoLetto.Day) +
                  T(n.UltimoLetto.Month) + T(letture.Chiamate(IoGuasto::Op::Read)) + ",";
    }
    EXPECT_EQ(numeri,
              "1 1 0 11 1 1 ,1 3 2 25 1 1 ,1 1 3 6 1 1 ,1 1 4 31 12 1 ,156 13 5 1 1 1 ,"
              "25 25 161 13 12 1 ,300 25 161 13 12 2 ,");
}

// A writer killed at moments half a millisecond apart leaves the old archive
// or the new one, never a mix; the next replacement finds the folder free and
// clears what the killed one left.
TEST(Blocco, UnoScrittoreUccisoNonLasciaMaiUnMisto) {
    CartellaProva cartella;
    const std::vector<DrawRecord> vecchie = Settimanali(3000), nuove(2500, Estrazione(1, 1, 2001));
    ScriviArchivio(nuove);
    const std::string nuovo = LeggiBytes(LottoDatPath());
    ScriviArchivio(vecchie);
    const std::string vecchio = LeggiBytes(LottoDatPath());
    for (int giro = 0; giro < 30; ++giro) {
        const pid_t figlio = ::fork();
        if (figlio == 0)  // ends killed, or aborted by a failure
            [&]() noexcept {
                for (bool cambia = true;; cambia = !cambia)
                    SostituisciArchivio(LottoDatPath(), cambia ? nuove : vecchie, true);
            }();
        std::this_thread::sleep_for(std::chrono::microseconds(giro * 499));
        ::kill(figlio, SIGKILL);
        int stato = 0;
        ::waitpid(figlio, &stato, 0);
        const std::string dati = LeggiBytes(LottoDatPath());
        ASSERT_TRUE(WTERMSIG(stato) == SIGKILL && (dati == vecchio || dati == nuovo)) << giro;
        SostituisciArchivio(LottoDatPath(), nuove, true);
        ASSERT_EQ(std::distance(std::filesystem::directory_iterator(cartella.path()), {}), 1);
    }
}

}  // namespace
}  // namespace ruotario
