// The series file, and the texts of the series list.
#include <gtest/gtest.h>

#include <numeric>

#include "series/file_serie.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

using Voci = std::vector<std::string>;
using Numeri = std::array<std::int16_t, 21>;

SeriesRecord Record(std::vector<int> numeri) {
    SeriesRecord serie;
    std::copy(numeri.begin(), numeri.end(), serie.Slot.begin());
    return serie;
}
std::string Serie(std::vector<int> numeri) {
    return EncodeSerie(Record(numeri));
}

TEST(SeriesEntry, TestiDellElencoERiletturaDeiNumeri) {
    EXPECT_EQ(SeriesEntry(Record({5, 12, 47}), 3), "-5 -12-47    S_3");
    EXPECT_EQ(SeriesEntry(Record({0, 5, 6}), 2), "    S_2");  // it ends at its first 0
    Numeri attesi{};
    std::iota(attesi.begin() + 1, attesi.end(), 71);
    const std::string voce = "-71-72-73-74-75-76-77-78-79-80-81-82-83-84-85-86-87-88-89-90    S_12";
    EXPECT_EQ(SeriesEntry(Record(std::vector<int>(attesi.begin() + 1, attesi.end())), 12), voce);
    EXPECT_EQ(NumeriDaVoce(voce), attesi);
    // Separators count once, leading ones not at all; "R", "S" and two spaces end it.
    for (auto [testo, numeri] : {std::pair{"    S_2", Numeri{}},
                                 {"ab 3,, 4-5R6", Numeri{0, 3, 4, 5}},
                                 {"8 9  10", Numeri{0, 8, 9}},
                                 {"1S2", Numeri{0, 1}}})
        EXPECT_EQ(NumeriDaVoce(testo), numeri) << testo;
    // 123 lists as "12": the stored numbers go to the analysis, which refuses them.
    EXPECT_EQ(SeriesEntry(Record({123, 5}), 1), "-12-5     S_1");
    EXPECT_EQ(NumeriFuoriIntervallo(Record({123, 5})), (Numeri{0, 123, 5}));
    EXPECT_EQ(NumeriFuoriIntervallo(Record({90, 1})), std::nullopt);
}

TEST(FileSerie, ElencoAccodaEFrammentoFinale) {
    prova::CartellaProva cartella;
    const auto file = SeriePath();
    EXPECT_EQ(VociSerie(ElencaSerie(file)), Voci{"  Non ci sono Serie da Visualizzare "});
    EXPECT_EQ(prova::LeggiBytes(file), "");  // created empty

    // A fragment is not a series, and the next save writes over it.
    prova::ScriviBytes(file, Serie({1}) + Serie({2, 3}) + std::string(17, '\x7f'));
    EXPECT_EQ(VociSerie(LeggiSerie(file)), (Voci{"-1     S_1", "-2 -3     S_2"}));
    EXPECT_EQ(AccodaSerie(file, {90, 4}), 3);
    EXPECT_EQ(prova::LeggiBytes(file), Serie({1}) + Serie({2, 3}) + Serie({90, 4}));

    // Twenty numbers are a series; what the series window could never build is not.
    std::vector<int> venti(20);
    std::iota(venti.begin(), venti.end(), 71);
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
        EXPECT_EQ(prova::Fallimento([&] { AccodaSerie(file, numeri); }), messaggio);
    EXPECT_EQ(LeggiSerie(file).size(), 4u);
}

// The records after the one deleted move up; nothing is left beside the file,
// and the file goes with its last series.
TEST(FileSerie, EliminaUnaSerie) {
    prova::CartellaProva cartella;
    const auto file = SeriePath();
    prova::ScriviBytes(file, Serie({1}) + Serie({2}) + Serie({3, 33}));
    EliminaSerie(file, 2, Record({2}));
    EXPECT_EQ(prova::LeggiBytes(file), Serie({1}) + Serie({3, 33}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.path()), {}), 1);
    EliminaSerie(file, 2);
    EliminaSerie(file, 1, Record({1}));
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace ruotario
