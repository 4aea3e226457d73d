#include <gtest/gtest.h>

#include "series/file_serie.h"
#include "store/errore.h"
#include "store/module1.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

using prova::Fallimento;

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

    // 123 lists as "12": the stored numbers go to the analysis, which refuses them.
    SeriesRecord danneggiata = Serie({123, 5});
    EXPECT_EQ(SeriesEntry(danneggiata, 1), "-12-5     S_1");
    EXPECT_EQ(NumeriFuoriIntervallo(danneggiata), (Numeri{0, 123, 5}));
    EXPECT_EQ(NumeriFuoriIntervallo(Serie({90, 1})), std::nullopt);
}

TEST(FileSerie, ElencoAccodaEFrammentoFinale) {
    prova::CartellaProva cartella;
    const auto file = SeriePath();
    EXPECT_EQ(VociSerie(ElencaSerie(file)), Voci{"  Non ci sono Serie da Visualizzare "});
    EXPECT_EQ(prova::LeggiBytes(file), "");  // created empty

    // A fragment is not a series, and the next save writes over it.
    Scrivi({Serie({1}), Serie({2, 3})}, std::string(17, '\x7f'));
    EXPECT_EQ(LeggiSerie(file).size(), 2u);
    EXPECT_EQ(AccodaSerie(file, {90, 4}), 3);
    EXPECT_EQ(prova::LeggiBytes(file).substr(80),
              std::string("Z\0\4\0", 4) + std::string(36, '\0'));
    EXPECT_EQ(VociSerie(ElencaSerie(file)), (Voci{"-1     S_1", "-2 -3     S_2", "-90-4     S_3"}));

    // Twenty numbers are a series; what the series window could never build is not.
    std::vector<int> venti;
    for (int n = 71; n <= 90; ++n)
        venti.push_back(n);
    EXPECT_EQ(AccodaSerie(file, venti), 4);
    venti.push_back(1);
    const std::pair<std::vector<int>, std::string> rifiuti[] = {
        {{}, "Inserire Serie"},
        {venti, "Inserire non piu' di 20 numeri"},
        {{5, 91}, "Serie non valida: il numero 91 è fuori dall'intervallo 1-90."},
        {{0, 3}, "Serie non valida: il numero 0 è fuori dall'intervallo 1-90."},
        {{7, 8, 7}, "Serie non valida: il numero 7 compare più di una volta."},
    };
    for (const auto& [numeri, messaggio] : rifiuti)
        EXPECT_EQ(Fallimento([&] { AccodaSerie(file, numeri); }), messaggio);
    EXPECT_EQ(LeggiSerie(file).size(), 4u);
}

TEST(FileSerie, EliminaUnaOTutteSoloSeSonoQuelleMostrate) {
    prova::CartellaProva cartella;
    const auto file = SeriePath();
    Scrivi({Serie({1}), Serie({2}), Serie({3, 33}), Serie({4})});
    EliminaSerie(file, 2, Serie({2}));
    EXPECT_EQ(VociSerie(ElencaSerie(file)), (Voci{"-1     S_1", "-3 -33    S_2", "-4     S_3"}));

    // Another program changed the file since it was listed: nothing goes.
    const std::string prima = prova::LeggiBytes(file);
    const std::string cambiato =
        "il file \"" + file.string() +
        "\" è stato modificato da un altro programma dopo che le serie sono state lette. Non è "
        "stato eliminato nulla.";
    EXPECT_EQ(Fallimento([&] { EliminaSerie(file, 2, Serie({2})); }),
              "Impossibile eliminare la serie S_2: " + cambiato);
    EXPECT_EQ(Fallimento([&] { EliminaSerie(file, 4, Serie({5})); }),
              "Impossibile eliminare la serie S_4: " + cambiato);
    EXPECT_EQ(Fallimento([&] { SvuotaSerie(file, std::vector{Serie({1})}); }),
              "Impossibile eliminare le serie: " + cambiato);
    EXPECT_EQ(prova::LeggiBytes(file), prima);

    // Only the new file is left in the folder.
    std::vector<std::string> nomi;
    for (const auto& voce : std::filesystem::directory_iterator(cartella.path()))
        nomi.push_back(voce.path().filename().string());
    EXPECT_EQ(nomi, std::vector<std::string>{"Serie"});

    Scrivi({Serie({8})});
    EliminaSerie(file, 1, Serie({8}));
    EXPECT_FALSE(std::filesystem::exists(file));

    Scrivi({Serie({1}), Serie({2})});
    SvuotaSerie(file, std::vector{Serie({1}), Serie({2})});
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace ruotario
