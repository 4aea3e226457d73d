#include <gtest/gtest.h>

#include "series/archivio_serie.h"
#include "store/errore.h"
#include "store/module1.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

using Voci = std::vector<std::string>;
using Numeri = std::array<std::int16_t, 21>;

SeriesRecord Serie(std::initializer_list<int> numeri) {
    SeriesRecord serie;
    std::copy(numeri.begin(), numeri.end(), serie.Slot.begin());
    return serie;
}

void Scrivi(std::initializer_list<SeriesRecord> serie, const std::string& coda = {}) {
    std::string dati;
    for (const auto& una : serie)
        dati += EncodeSerie(una);
    prova::ScriviBytes(SeriePath(), dati + coda);
}

TEST(SeriesEntry, TestiDellElencoERiletturaDeiNumeri) {
    EXPECT_EQ(SeriesEntry(Serie({5, 12, 47}), 3), "-5 -12-47    S_3");
    EXPECT_EQ(SeriesEntry(Serie({7, 45}), 1), "-7 -45    S_1");
    EXPECT_EQ(SeriesEntry(Serie({0, 5, 6}), 2), "    S_2");
    SeriesRecord venti;
    Numeri attesi{};
    for (int i = 0; i < 20; ++i)
        venti.Slot[i] = attesi[i + 1] = static_cast<std::int16_t>(71 + i);
    const std::string voce = "-71-72-73-74-75-76-77-78-79-80-81-82-83-84-85-86-87-88-89-90    S_12";
    EXPECT_EQ(SeriesEntry(venti, 12), voce);
    EXPECT_EQ(NumeriDaVoce(voce), attesi);
    EXPECT_EQ(NumeriDaVoce("    S_2"), Numeri{});
    // Separators count once, leading ones not at all; "R", "S" and two spaces end it.
    EXPECT_EQ(NumeriDaVoce("ab 3,, 4-5R6"), (Numeri{0, 3, 4, 5}));
    EXPECT_EQ(NumeriDaVoce("8 9  10"), (Numeri{0, 8, 9}));
    EXPECT_EQ(NumeriDaVoce("1S2"), (Numeri{0, 1}));

    Module1().SeriesText = "-5 -12-47    S_3";
    Module1().SeriesNumbers[4] = 9;
    caricaSerie();
    EXPECT_EQ(Module1().SeriesNumbers, (Numeri{0, 5, 12, 47}));
    // 123 lists as "12": the stored numbers go to the analysis, which refuses them.
    SeriesRecord danneggiata = Serie({123, 5});
    Module1().SeriesText = SeriesEntry(danneggiata, 1);
    EXPECT_EQ(Module1().SeriesText, "-12-5     S_1");
    caricaSerie();
    RipristinaNumeriMemorizzati(danneggiata);
    EXPECT_EQ(Module1().SeriesNumbers, (Numeri{0, 123, 5}));
}

TEST(ArchivioSerie, ElencoAccodaEFrammentoFinale) {
    prova::CartellaProva cartella;
    EXPECT_EQ(VociSerie(ElencaSerie()), Voci{"  Non ci sono Serie da Visualizzare "});
    EXPECT_EQ(prova::LeggiBytes(SeriePath()), "");  // created empty

    // A fragment is not a series, and the next save writes over it.
    Scrivi({Serie({1}), Serie({2, 3})}, std::string(17, '\x7f'));
    EXPECT_EQ(LeggiSerie(SeriePath()).size(), 2u);
    AccodaSerie({90, 4});
    EXPECT_EQ(prova::LeggiBytes(SeriePath()).substr(80),
              std::string("Z\0\4\0", 4) + std::string(36, '\0'));
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

    Scrivi({Serie({1}), Serie({2})});
    SvuotaSerie();
    EXPECT_FALSE(std::filesystem::exists(SeriePath()));
}

}  // namespace
}  // namespace ruotario
