#include <gtest/gtest.h>

#include <cerrno>

#include "series/archivio_serie.h"
#include "store/errore.h"
#include "store/module1.h"
#include "support/archivio_prova.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using Op = prova::IoGuasto::Op;

SeriesRecord Serie(std::initializer_list<int> numeri) {
    SeriesRecord serie;
    int i = 0;
    for (int n : numeri)
        serie.Slot[i++] = static_cast<std::int16_t>(n);
    return serie;
}

void Scrivi(const std::vector<SeriesRecord>& serie, const std::string& coda = {}) {
    std::string dati;
    for (const auto& una : serie)
        dati += EncodeSerie(una);
    prova::ScriviBytes(SeriePath(), dati + coda);
}

std::vector<std::vector<int>> Numeri(const std::vector<SeriesRecord>& serie) {
    std::vector<std::vector<int>> numeri;
    for (const auto& una : serie)
        numeri.push_back(una.Numeri());
    return numeri;
}

// The message of the Errore `azione` throws, or "" when it throws none.
template <typename F>
std::string Messaggio(F azione) {
    try {
        azione();
    } catch (const Errore& errore) {
        return errore.what();
    }
    return {};
}

std::vector<int> Letti(const std::string& testo) {
    auto slot = NumeriDaTesto(testo);
    std::vector<int> numeri;
    for (int i = 1; i <= 20 && slot[i] != 0; ++i)
        numeri.push_back(slot[i]);
    return numeri;
}

TEST(SeriesEntry, TestiDellElencoERiletturaDeiNumeri) {
    EXPECT_EQ(SeriesEntry(Serie({5, 12, 47}), 3), "-5 -12-47    S_3");
    EXPECT_EQ(SeriesEntry(Serie({7, 45}), 1), "-7 -45    S_1");
    EXPECT_EQ(SeriesEntry(Serie({0, 5, 6}), 2), "    S_2");

    SeriesRecord venti;
    std::string atteso;
    std::vector<int> numeri;
    for (int i = 0; i < 20; ++i) {
        venti.Slot[i] = static_cast<std::int16_t>(71 + i);
        atteso += "-" + std::to_string(71 + i);
        numeri.push_back(71 + i);
    }
    EXPECT_EQ(SeriesEntry(venti, 12), atteso + "    S_12");
    EXPECT_EQ(Letti(SeriesEntry(venti, 12)), numeri);
    EXPECT_EQ(Letti("-5 -12-47    S_3"), (std::vector<int>{5, 12, 47}));
    EXPECT_EQ(Letti("-7 -45    S_1"), (std::vector<int>{7, 45}));
    EXPECT_TRUE(Letti("    S_2").empty());

    // Separators count once, leading ones not at all; "R", "S" and two spaces end it.
    EXPECT_EQ(Letti("ab 3,, 4-5R6"), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(Letti("8 9  10"), (std::vector<int>{8, 9}));
    EXPECT_EQ(Letti("1S2"), (std::vector<int>{1}));

    Module1().SeriesText = "-7 -45    S_1";
    Module1().SeriesNumbers[3] = 9;
    caricaSerie();
    EXPECT_EQ(Module1().SeriesNumbers, (std::array<std::int16_t, 21>{0, 7, 45}));
}

TEST(SeriesEntry, UnaSerieDanneggiataSiElencaMaNonPassaPerValida) {
    // 123 shows as "12" in the list: the stored number is what goes to the analysis.
    SeriesRecord danneggiata = Serie({123, 5});
    std::string voce = SeriesEntry(danneggiata, 1);
    EXPECT_EQ(voce, "-12-5     S_1");
    EXPECT_EQ(NumeriPerAnalisi(voce, danneggiata), (std::array<std::int16_t, 21>{0, 123, 5}));
    EXPECT_EQ(NumeriPerAnalisi("-7 -45    S_1", Serie({7, 45})),
              (std::array<std::int16_t, 21>{0, 7, 45}));
}

TEST(ArchivioSerie, ElencoAccodaEFrammentoFinale) {
    prova::CartellaProva cartella;
    EXPECT_TRUE(ElencaSerie().empty());
    EXPECT_EQ(prova::LeggiBytes(SeriePath()), "");  // created empty
    EXPECT_EQ(VociSerie({}), std::vector<std::string>{"  Non ci sono Serie da Visualizzare "});

    AccodaSerie({7, 45});
    EXPECT_EQ(VociSerie(ElencaSerie()), std::vector<std::string>{"-7 -45    S_1"});

    // A fragment is not a series, and the next save writes over it.
    Scrivi({Serie({1}), Serie({2, 3})}, std::string(17, '\x7f'));
    EXPECT_EQ(LeggiSerie(SeriePath()).size(), 2u);
    AccodaSerie({90, 4});
    EXPECT_EQ(prova::LeggiBytes(SeriePath()).size(), 120u);
    EXPECT_EQ(Numeri(ElencaSerie()), (std::vector<std::vector<int>>{{1}, {2, 3}, {90, 4}}));

    EXPECT_THROW(AccodaSerie({}), Errore);
    EXPECT_THROW(AccodaSerie(std::vector<int>(21, 1)), Errore);
    EXPECT_THROW(AccodaSerie({5, 91}), Errore);
    EXPECT_EQ(LeggiSerie(SeriePath()).size(), 3u);
}

TEST(ArchivioSerie, EliminaUnaOTutte) {
    prova::CartellaProva cartella;
    Scrivi({Serie({1}), Serie({2}), Serie({3, 33}), Serie({4})});
    // A "Serie2" left by an interrupted deletion lends nothing.
    prova::ScriviBytes(Serie2Path(), std::string(200, '\x05'));
    EliminaSerie(2);
    EXPECT_EQ(Numeri(ElencaSerie()), (std::vector<std::vector<int>>{{1}, {3, 33}, {4}}));
    EXPECT_EQ(VociSerie(ElencaSerie())[1], "-3 -33    S_2");
    EXPECT_FALSE(std::filesystem::exists(Serie2Path()));

    Scrivi({Serie({8})});
    EliminaSerie(1);
    EXPECT_FALSE(std::filesystem::exists(SeriePath()));
    EXPECT_TRUE(ElencaSerie().empty());
    EXPECT_TRUE(std::filesystem::exists(SeriePath()));

    Scrivi({Serie({1}), Serie({2})});
    SvuotaSerie();
    EXPECT_FALSE(std::filesystem::exists(SeriePath()));
}

TEST(ArchivioSerie, UnGuastoLasciaIlFileComEra) {
    prova::CartellaProva cartella;
    Scrivi({Serie({1}), Serie({2}), Serie({3})});
    const std::string prima = prova::LeggiBytes(SeriePath());
    {
        prova::IoGuasto guasto;
        guasto.Fallisci(Op::WriteAt, ENOSPC);
        guasto.ScritturaParziale(10);
        EXPECT_EQ(Messaggio([] { AccodaSerie({4}); }), "Impossibile scrivere il file \"" +
                                                           SeriePath().string() +
                                                           "\": spazio su disco esaurito.");
    }
    EXPECT_EQ(prova::LeggiBytes(SeriePath()), prima);
    for (Op op : {Op::WriteNew, Op::Rename}) {
        prova::IoGuasto guasto;
        guasto.Fallisci(op, EIO);
        guasto.ScritturaParziale(40);
        EXPECT_THROW(EliminaSerie(2), Errore);
        EXPECT_EQ(prova::LeggiBytes(SeriePath()), prima);
        EXPECT_FALSE(std::filesystem::exists(Serie2Path()));
    }
    // Changed by another program since it was listed.
    EXPECT_EQ(Messaggio([] { EliminaSerie(4); }),
              "Impossibile eliminare la serie 4: il file \"" + SeriePath().string() +
                  "\" ne contiene 3, forse è stato modificato da un altro programma.");
    std::filesystem::remove(SeriePath());
    EXPECT_EQ(Messaggio([] { EliminaSerie(1); }), "Impossibile eliminare la serie: il file \"" +
                                                      SeriePath().string() + "\" non esiste più.");
}

}  // namespace
}  // namespace ruotario
