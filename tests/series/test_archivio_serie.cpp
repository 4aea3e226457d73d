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
using Voci = std::vector<std::string>;
using Numeri = std::array<std::int16_t, 21>;

SeriesRecord Serie(std::initializer_list<int> numeri) {
    SeriesRecord serie;
    std::copy(numeri.begin(), numeri.end(), serie.Slot.begin());
    return serie;
}

void Scrivi(const std::vector<SeriesRecord>& serie, const std::string& coda = {}) {
    std::string dati;
    for (const auto& una : serie)
        dati += EncodeSerie(una);
    prova::ScriviBytes(SeriePath(), dati + coda);
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

TEST(SeriesEntry, TestiDellElencoERiletturaDeiNumeri) {
    EXPECT_EQ(SeriesEntry(Serie({5, 12, 47}), 3), "-5 -12-47    S_3");
    EXPECT_EQ(SeriesEntry(Serie({7, 45}), 1), "-7 -45    S_1");
    EXPECT_EQ(SeriesEntry(Serie({0, 5, 6}), 2), "    S_2");
    EXPECT_EQ(NumeriDaVoce("-5 -12-47    S_3"), (Numeri{0, 5, 12, 47}));
    EXPECT_EQ(NumeriDaVoce("    S_2"), Numeri{});

    SeriesRecord venti;
    std::string voce;
    Numeri attesi{};
    for (int i = 0; i < 20; ++i) {
        venti.Slot[i] = attesi[i + 1] = static_cast<std::int16_t>(71 + i);
        voce += "-" + std::to_string(71 + i);
    }
    EXPECT_EQ(SeriesEntry(venti, 12), voce + "    S_12");
    EXPECT_EQ(NumeriDaVoce(SeriesEntry(venti, 12)), attesi);

    // Separators count once, leading ones not at all; "R", "S" and two spaces end it.
    EXPECT_EQ(NumeriDaVoce("ab 3,, 4-5R6"), (Numeri{0, 3, 4, 5}));
    EXPECT_EQ(NumeriDaVoce("8 9  10"), (Numeri{0, 8, 9}));
    EXPECT_EQ(NumeriDaVoce("1S2"), (Numeri{0, 1}));

    Module1().SeriesText = "-7 -45    S_1";
    Module1().SeriesNumbers[3] = 9;
    caricaSerie();
    EXPECT_EQ(Module1().SeriesNumbers, (Numeri{0, 7, 45}));
    // 123 lists as "12": the stored numbers go to the analysis, which refuses them.
    SeriesRecord danneggiata = Serie({123, 5});
    Module1().SeriesText = SeriesEntry(danneggiata, 1);
    EXPECT_EQ(Module1().SeriesText, "-12-5     S_1");
    caricaSerie();
    RipristinaNumeriMemorizzati(Serie({12, 5}));
    EXPECT_EQ(Module1().SeriesNumbers, (Numeri{0, 12, 5}));
    RipristinaNumeriMemorizzati(danneggiata);
    EXPECT_EQ(Module1().SeriesNumbers, (Numeri{0, 123, 5}));
}

TEST(ArchivioSerie, ElencoAccodaEFrammentoFinale) {
    prova::CartellaProva cartella;
    EXPECT_EQ(VociSerie(ElencaSerie()), Voci{"  Non ci sono Serie da Visualizzare "});
    EXPECT_EQ(prova::LeggiBytes(SeriePath()), "");  // created empty
    AccodaSerie({7, 45});
    EXPECT_EQ(VociSerie(ElencaSerie()), Voci{"-7 -45    S_1"});

    // A fragment is not a series, and the next save writes over it.
    Scrivi({Serie({1}), Serie({2, 3})}, std::string(17, '\x7f'));
    EXPECT_EQ(LeggiSerie(SeriePath()).size(), 2u);
    AccodaSerie({90, 4});
    EXPECT_EQ(prova::LeggiBytes(SeriePath()).size(), 120u);
    EXPECT_EQ(VociSerie(ElencaSerie()), (Voci{"-1     S_1", "-2 -3     S_2", "-90-4     S_3"}));

    for (auto numeri : {std::vector<int>{}, std::vector<int>(21, 1), std::vector<int>{5, 91}})
        EXPECT_THROW(AccodaSerie(numeri), Errore);
    EXPECT_EQ(LeggiSerie(SeriePath()).size(), 3u);
}

TEST(ArchivioSerie, EliminaUnaOTutte) {
    prova::CartellaProva cartella;
    Scrivi({Serie({1}), Serie({2}), Serie({3, 33}), Serie({4})});
    // A "Serie2" left by an interrupted deletion lends nothing.
    prova::ScriviBytes(Serie2Path(), std::string(200, '\x05'));
    EliminaSerie(2);
    EXPECT_EQ(VociSerie(ElencaSerie()), (Voci{"-1     S_1", "-3 -33    S_2", "-4     S_3"}));
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
    const std::string file = "\"" + SeriePath().string() + "\"";
    {
        prova::IoGuasto guasto;
        guasto.Fallisci(Op::WriteAt, ENOSPC);
        guasto.ScritturaParziale(10);
        EXPECT_EQ(Messaggio([] { AccodaSerie({4}); }),
                  "Impossibile scrivere il file " + file + ": spazio su disco esaurito.");
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
              "Impossibile eliminare la serie 4: il file " + file +
                  " ne contiene 3, forse è stato modificato da un altro programma.");
    std::filesystem::remove(SeriePath());
    EXPECT_EQ(Messaggio([] { EliminaSerie(1); }),
              "Impossibile eliminare la serie: il file " + file + " non esiste più.");
}

}  // namespace
}  // namespace ruotario
