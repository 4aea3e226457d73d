// The store: the archive file and its records, the importer of the historical
// text, the calendar and the numbering of a draw within its month and year.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "store/calendario.h"
#include "store/cartella_dati.h"
#include "store/errore.h"
#include "store/lotto_dat.h"
#include "store/module1.h"
#include "store/numerazione.h"
#include "store/storico.h"
#include "support/archivio_prova.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using prova::Fallimento;

using namespace std::string_literals;
using prova::CartellaProva;
using prova::Estrazione;
using prova::LeggiBytes;
using prova::ScriviBytes;
using Op = prova::IoGuasto::Op;

// The bytes of Settimanali(quanti), record after record.
std::string Archivio(int quanti) {
    std::string dati;
    for (const DrawRecord& draw : prova::Settimanali(quanti))
        dati += EncodeDraw(draw);
    return dati;
}

TEST(LottoDat, SiContanoIRecordInteriESiAccodaSulFrammento) {
    CartellaProva cartella;
    CaricaRuote();
    std::string codici;
    for (int w = 1; w <= 10; ++w)
        codici += Module1().WheelCode[w] + " ";
    EXPECT_EQ(codici, "BA CA FI GE MI NA PA RO TO VE ");
    // No archive: an empty one is made.
    ContaEstrazioni();
    EXPECT_EQ(Module1().DrawCount, 0);
    EXPECT_EQ(std::filesystem::file_size(LottoDatPath()), 0u);
    for (std::size_t frammento : {0u, 1u, 50u, 105u}) {
        ScriviBytes(LottoDatPath(), Archivio(3) + std::string(frammento, '\x07'));
        ContaEstrazioni();
        EXPECT_EQ(Module1().DrawCount, 3) << frammento;
        EXPECT_EQ(Module1().CurrentDrawIndex, 3) << frammento;
    }
    const DrawRecord nuova = Estrazione(6, 12, 2026, 42);
    Module1().CurrentDraw = nuova;
    AccodaEstrazione();
    EXPECT_EQ(Module1().DrawCount, 3);  // until the next count
    EXPECT_EQ(LeggiBytes(LottoDatPath()), Archivio(3) + EncodeDraw(nuova));
    // A count gone stale (another program appended meanwhile): the draw goes
    // after the last one there is, over nothing.
    AccodaEstrazione();
    EXPECT_EQ(LeggiBytes(LottoDatPath()), Archivio(3) + EncodeDraw(nuova) + EncodeDraw(nuova));
    ContaEstrazioni();
    Module1().CurrentDrawIndex = 4;
    LeggiEstrazione();
    EXPECT_EQ(Module1().CurrentDraw, nuova);
    // A count that fails leaves an empty archive, never the count before.
    {
        prova::IoGuasto guasto;
        guasto.Fallisci(Op::Size, EACCES);
        EXPECT_THROW(ContaEstrazioni(), Errore);
        EXPECT_EQ(Module1().DrawCount + Module1().CurrentDrawIndex, 0);
    }
    // Past 32,767 draws the file is counted by no one and written by no one.
    const std::string troppe(32768 * kDrawRecordSize, '\0');
    ScriviBytes(LottoDatPath(), troppe);
    const std::string messaggio =
        "L'archivio \"" + LottoDatPath().string() +
        "\" contiene 32768 estrazioni, più delle 32767 che il programma può gestire: non viene "
        "usato né modificato. Con \"ruotario-cli esporta\" lo si può salvare come testo.";
    EXPECT_EQ(Fallimento([] { ContaEstrazioni(); }), messaggio);
    EXPECT_EQ(Module1().DrawCount, 0);
    EXPECT_EQ(Fallimento([] { AccodaEstrazione(); }), messaggio);
    EXPECT_EQ(std::filesystem::file_size(LottoDatPath()), troppe.size());
}

TEST(LottoDat, PosizioniDeiCampiNelRecord) {
    DrawRecord draw = prova::EstrazioneVuota(7, 1, 1871);
    draw.Numbers(1, 1) = 11;
    draw.Numbers(5, 1) = 15;
    draw.Numbers(1, 2) = 21;
    draw.Numbers(3, 7) = -3;
    draw.Numbers(5, 10) = 90;
    const std::string byte = EncodeDraw(draw);
    ASSERT_EQ(byte.size(), 106u);
    // 16-bit little-endian: the date, Bari I, Bari V and Cagliari I, Palermo III, Venezia V.
    for (auto [offset, atteso] : {std::pair{0, "\x07\0\x01\0\x4f\x07\x0b\0"s},
                                  {14, "\x0f\0\x15\0"s},
                                  {70, "\xfd\xff"s},
                                  {104, "\x5a\0"s}})
        EXPECT_EQ(byte.substr(offset, atteso.size()), atteso) << offset;
    EXPECT_EQ(DecodeDraw(byte.data()), draw);
}

// The names in the folder.
std::vector<std::string> Nomi(const CartellaProva& cartella) {
    std::vector<std::string> nomi;
    for (const auto& voce : std::filesystem::directory_iterator(cartella.path()))
        nomi.push_back(voce.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

// The importer's way of writing: a new file beside it, renamed over it.
TEST(LottoDat, UnaSostituzioneFallitaLasciaIntattoIlVecchio) {
    CartellaProva cartella;
    ScriviBytes(LottoDatPath(), Archivio(3));
    EXPECT_EQ(Fallimento([] { SostituisciArchivio(LottoDatPath(), prova::Settimanali(9), false); }),
              "L'archivio \"" + LottoDatPath().string() +
                  "\" esiste già: per sostituirlo usare --sovrascrivi.");
    for (auto [op, verbo] : {std::pair{Op::WriteBeside, "scrivere"}, {Op::Rename, "sostituire"}}) {
        prova::IoGuasto guasto;
        guasto.Fallisci(op, ENOSPC);
        guasto.ScritturaParziale(500);
        EXPECT_EQ(
            Fallimento([] { SostituisciArchivio(LottoDatPath(), prova::Settimanali(9), true); }),
            "Impossibile " + std::string(verbo) + " il file \"" + LottoDatPath().string() +
                "\": spazio su disco esaurito.");
        EXPECT_EQ(LeggiBytes(LottoDatPath()), Archivio(3));
        EXPECT_EQ(Nomi(cartella), std::vector<std::string>{"Lotto.dat"});
    }
    // A copy left by a run that was killed goes with the next replacement.
    ScriviBytes(cartella.File("Lotto.dat.nuovo-abc123"), "mezzo");
    SostituisciArchivio(LottoDatPath(), prova::Settimanali(9), true);
    EXPECT_EQ(LeggiBytes(LottoDatPath()), Archivio(9));
    EXPECT_EQ(Nomi(cartella), std::vector<std::string>{"Lotto.dat"});
}

std::string Rifiuto(const std::vector<TestoStorico>& files) {
    return Fallimento([&] { (void)ImportaStorico(files); });
}

TEST(StoricoTesto, RuotaNazionaleSaltataERomaComeRO) {
    const auto draws = ImportaStorico({{"prova.txt",
                                        "2020/01/02\tBA\t1\t2\t3\t4\t5\n"
                                        "2020/01/02\tRN\t1\t2\t3\t4\t5\n"
                                        "2020/01/02\tRO\t6\t7\t8\t9\t10\n"
                                        "2020/01/04\tVE\t90\t89\t88\t87\t86\r\n"}});
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].Numbers(1, 8) + draws[1].Numbers(5, 10), 6 + 86);  // Roma, Venezia
    EXPECT_EQ(EsportaStorico(draws),
              "2020/01/02\tBA\t1\t2\t3\t4\t5\n2020/01/02\tRM\t6\t7\t8\t9\t10\n"
              "2020/01/04\tVE\t90\t89\t88\t87\t86\n");
}

TEST(StoricoTesto, OgniErroreNominaFileRigaEMotivo) {
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
            Rifiuto({{"a.txt", "2020/01/02\tBA\t1\t2\t3\t4\t5\n"}, {"b.txt", "\n" + riga + "\n"}}),
            "Errore nel file \"b.txt\", riga 2: " + motivo + ".");
}

// What the archive window may save comes back from the text as it was: two
// draws of one date, a draw dated before the one before it, wheels missing.
TEST(StoricoTesto, LEsportazioneSiReimportaComEra) {
    auto draws = prova::Settimanali(4);
    draws[1] = draws[0];  // the same date, all ten wheels
    draws[2].Day = 1;     // before the one before it
    draws[3] = prova::EstrazioneVuota(7, 1, 1871);
    prova::Ruota(draws[3], 3, {1, 2, 3, 4, 5});  // only Firenze, on the date of the first
    const std::string testo = EsportaStorico(draws);
    EXPECT_EQ(ImportaStorico({{"a.txt", testo}}), draws);
    EXPECT_EQ(DateNonCrescenti(draws), (std::vector<std::int64_t>{2, 3}));

    // A draw of the same date whose wheels all follow the last one's could
    // not be told from it; nor can the rest be written in the official form.
    DrawRecord soloBari = prova::EstrazioneVuota(7, 1, 1871);
    prova::Ruota(soloBari, 1, {1, 2, 3, 4, 5});
    DrawRecord soloVenezia = prova::EstrazioneVuota(7, 1, 1871);
    prova::Ruota(soloVenezia, 10, {1, 2, 3, 4, 5});
    auto Guasta = [](auto cambia) {
        DrawRecord draw = prova::Estrazione(7, 1, 1871);
        cambia(draw);
        return draw;
    };
    const std::pair<std::vector<DrawRecord>, std::string> rifiuti[] = {
        {{soloBari, soloVenezia},
         "2 (7/1/1871): ha la stessa data dell'estrazione prima e le sue ruote seguono le ultime "
         "di quella, così che le due non si potrebbero distinguere"},
        {{prova::EstrazioneVuota(7, 1, 1871)}, "1 (7/1/1871): non contiene nessun numero"},
        {{Guasta([](DrawRecord& d) { d.Day = 31, d.Month = 6; })},
         "1 (31/6/1871): la data non è una data del calendario"},
        {{Guasta([](DrawRecord& d) { d.Year = 10000; })},
         "1 (7/1/10000): la data non è una data del calendario"},
        {{Guasta([](DrawRecord& d) { d.Numbers(2, 4) = 91; })},
         "1 (7/1/1871): il numero 91 sulla ruota di Genova è fuori dall'intervallo 1-90"},
        {{Guasta([](DrawRecord& d) { d.Numbers(5, 6) = d.Numbers(1, 6); })},
         "1 (7/1/1871): il numero 86 è ripetuto sulla ruota di Napoli"},
        {{Guasta([](DrawRecord& d) { d.Numbers(3, 7) = 0; })},
         "1 (7/1/1871): la ruota di Palermo ha solo 4 numeri"},
    };
    for (const auto& [estrazioni, motivo] : rifiuti)
        EXPECT_EQ(Fallimento([&] { (void)EsportaStorico(estrazioni); }),
                  "Impossibile esportare l'estrazione " + motivo +
                      ". Il testo ufficiale non può contenerla.");
}

TEST(StoricoTesto, PiuDi32767EstrazioniRifiutate) {
    auto draws = prova::Settimanali(32768);
    const std::string troppe = EsportaStorico(draws);
    draws.pop_back();
    EXPECT_EQ(ImportaStorico({{"ok.txt", EsportaStorico(draws)}}).size(), 32767u);
    EXPECT_EQ(Rifiuto({{"troppe.txt", troppe}}),
              "Errore nel file \"troppe.txt\", riga 327671: più di 32767 estrazioni, che "
              "l'archivio non può contenere.");
}

// Where the files live: beside a copy of the program of its own, else in the
// user's data folder, which an installed program fills once from its archive.
TEST(CartellaDati, CopiaASeOppureCartellaDellUtente) {
    CartellaProva cartella;
    const auto radice = cartella.path();
    const auto portatile = radice / "portatile";
    const auto bin = radice / "usr" / "bin";
    std::filesystem::create_directories(portatile);
    std::filesystem::create_directories(radice / "usr" / "share" / "ruotario");
    std::filesystem::create_directories(bin);
    ScriviBytes(radice / "usr" / "share" / "ruotario" / "Lotto.dat", Archivio(2));
    const std::string home = (radice / "casa").string(), xdg = (radice / "xdg").string();
    const std::tuple<std::filesystem::path, std::optional<std::string>, std::string> casi[] = {
        {portatile, xdg, portatile.string()},
        {bin, xdg, xdg + "/ruotario"},
        {bin, std::nullopt, home + "/.local/share/ruotario"},
        {bin, "relativa/xdg", home + "/.local/share/ruotario"},  // only an absolute one counts
    };
    for (const auto& [programma, xdgDataHome, attesa] : casi)
        EXPECT_EQ(CartellaDati({programma, xdgDataHome, home}).string(), attesa);
    EXPECT_THROW(CartellaDati({bin, std::nullopt, std::nullopt}), Errore);

    // The first start makes the user's Lotto.dat; later ones never overwrite it.
    PreparaCartellaDati({bin, std::nullopt, home});
    EXPECT_EQ(AppDir().string(), home + "/.local/share/ruotario");
    EXPECT_EQ(LeggiBytes(LottoDatPath()), Archivio(2));
    ScriviBytes(LottoDatPath(), Archivio(5));
    PreparaCartellaDati({bin, std::nullopt, home});
    EXPECT_EQ(LeggiBytes(LottoDatPath()), Archivio(5));
    // A copy of its own keeps its folder as it is.
    PreparaCartellaDati({portatile, std::nullopt, home});
    EXPECT_EQ(AppDir(), portatile);
    EXPECT_FALSE(std::filesystem::exists(portatile / "Lotto.dat"));
}

TEST(Calendario, GiorniInItalianoEUltimiGiorniDelMese) {
    std::string settimana;
    for (int giorno = 1; giorno <= 7; ++giorno)
        settimana += NomeGiorno(giorno, 12, 2026) + CellaGiorno(giorno, 12, 2026) + ",";
    EXPECT_EQ(settimana,
              "martedì mar,mercoledì mer,giovedì gio,venerdì ven,sabato sab,domenica dom,"
              "lunedì lun,");
    // No such dates: the day 0, the month 13, 31 June.
    EXPECT_EQ(NomeGiorno(0, 3, 2020) + CellaGiorno(1, 13, 2020) + CellaGiorno(31, 6, 2020), "");
    // February of 2004, 2003, 1900, 2000; April; month 13, January of the next year.
    std::string ultimi;
    for (auto [mese, anno] :
         {std::pair{2, 2004}, {2, 2003}, {2, 1900}, {2, 2000}, {4, 2021}, {13, 2021}})
        ultimi += std::to_string(UltimoGiorno(mese, anno)) + " ";
    EXPECT_EQ(ultimi, "29 28 28 29 30 31 ");
}

// Each record's number within its year and month, where the yearly walk
// leaves the cursor (the record of another year it stopped on, or 0), and the
// record it read last.
TEST(Numerazione, MeseEAnnoContatiAllIndietro) {
    prova::CartellaProva cartella;
    const std::vector<DrawRecord> draws = {
        Estrazione(11, 1, 1941),  Estrazione(25, 1, 1941),  Estrazione(6, 1, 1946),
        Estrazione(30, 12, 1999), Estrazione(31, 12, 1999), Estrazione(1, 1, 2000),
        Estrazione(20, 12, 2003), Estrazione(27, 12, 2003), Estrazione(3, 1, 2004),
        Estrazione(10, 1, 2004),  Estrazione(17, 1, 2004),  Estrazione(24, 1, 2004),
        Estrazione(31, 1, 2004),  Estrazione(7, 2, 2004)};
    prova::ScriviArchivio(draws);
    // Record: yearly and monthly numbers, cursor, the record read last.
    const std::pair<int, std::string> casi[] = {
        {1, "1 1 0 1"},   // the first record of the archive
        {3, "1 3 2 2"},   // years without draws between two Januaries: the month alone counts
        {5, "2 2 3 3"},   // 31 December
        {6, "1 1 5 5"},   // 1 January after 31 December
        {13, "5 5 8 8"},  // the last of a month with five draws
        {14, "6 1 8 8"},
    };
    for (const auto& [record, atteso] : casi) {
        const Numerazione n = NumeraEstrazione(LottoDatPath(), record);
        const auto ultimo =
            std::find(draws.begin(), draws.end(), n.UltimoLetto) - draws.begin() + 1;
        EXPECT_EQ(std::to_string(n.Annuale) + " " + std::to_string(n.Mensile) + " " +
                      std::to_string(n.Cursore) + " " + std::to_string(ultimo),
                  atteso)
            << record;
    }
}

// 2003 has 156 draws, the 1st to the 13th of every month; 2004 has 300, the
// 1st to the 25th.
TEST(Numerazione, AnniDi156E300EstrazioniLettiInPocheVolte) {
    prova::CartellaProva cartella;
    std::vector<DrawRecord> draws;
    for (auto [anno, giorni] : {std::pair{2003, 13}, {2004, 25}})
        for (int mese = 1; mese <= 12; ++mese)
            for (int giorno = 1; giorno <= giorni; ++giorno)
                draws.push_back(Estrazione(giorno, mese, anno));
    prova::ScriviArchivio(draws);
    const Numerazione dicembre = NumeraEstrazione(LottoDatPath(), 156);
    EXPECT_EQ(dicembre.Annuale, 156);
    EXPECT_EQ(dicembre.Mensile, 13);
    prova::IoGuasto conteggio;  // fails nothing, counts the reads
    const Numerazione n = NumeraEstrazione(LottoDatPath(), 456);
    EXPECT_EQ(n.Annuale, 300);
    EXPECT_EQ(n.Mensile, 25);
    EXPECT_EQ(n.Cursore, 156);
    EXPECT_EQ(n.UltimoLetto, Estrazione(13, 12, 2003));
    EXPECT_LE(conteggio.Chiamate(prova::IoGuasto::Op::Read), 2);
}

}  // namespace
}  // namespace ruotario
