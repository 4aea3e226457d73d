// The series file, and the texts of the series list.
#include <gtest/gtest.h>

#include "series/file_serie.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

using Numeri = std::array<std::int16_t, 21>;
const std::vector<int> kVenti = {71, 72, 73, 74, 75, 76, 77, 78, 79, 80,
                                 81, 82, 83, 84, 85, 86, 87, 88, 89, 90};

SeriesRecord Record(std::vector<int> numeri) {
    SeriesRecord serie;
    std::copy(numeri.begin(), numeri.end(), serie.Slot.begin());
    return serie;
}
const auto Serie = [](std::vector<int> numeri) { return EncodeSerie(Record(numeri)); };

// A series ends at its first 0. Read back, separators count once, leading
// ones not at all; "R", "S" and two spaces end it. 123 lists as "12": the
// stored numbers go to the analysis, which refuses them (tests/analysis).
TEST(SeriesEntry, TestiDellElencoERiletturaDeiNumeri) {
    const std::string voce = "-71-72-73-74-75-76-77-78-79-80-81-82-83-84-85-86-87-88-89-90    S_12";
    EXPECT_EQ(SeriesEntry(Record(kVenti), 12) + SeriesEntry(Record({5, 12, 47}), 3) +
                  SeriesEntry(Record({0, 5}), 2) + SeriesEntry(Record({123, 5}), 1),
              voce + "-5 -12-47    S_3    S_2-12-5     S_1");
    EXPECT_EQ(NumeriDaVoce(voce), (Numeri{0,  71, 72, 73, 74, 75, 76, 77, 78, 79, 80,
                                          81, 82, 83, 84, 85, 86, 87, 88, 89, 90}));
    for (auto [testo, numeri] : {std::pair{"    S_2", Numeri{}},
                                 {"ab 3,, 4-5R6", Numeri{0, 3, 4, 5}},
                                 {"8 9  10", Numeri{0, 8, 9}},
                                 {"1S2", Numeri{0, 1}}})
        EXPECT_EQ(NumeriDaVoce(testo), numeri) << testo;
}

// Created empty. A fragment is not a series, and the next save writes over
// it. Twenty numbers are a series; what the series window could never build
// is not. The records after one deleted move up, nothing is left beside the
// file, and the file goes with its last series.
TEST(FileSerie, ElencoAccodaEliminaEFrammentoFinale) {
    prova::CartellaProva cartella;
    const auto file = SeriePath();
    EXPECT_EQ(VociSerie(ElencaSerie(file)).front() + prova::LeggiBytes(file),
              "  Non ci sono Serie da Visualizzare ");
    prova::ScriviBytes(file, Serie({1}) + Serie({2, 3}) + std::string(17, '\x7f'));
    EXPECT_EQ(VociSerie(LeggiSerie(file)),
              (std::vector<std::string>{"-1     S_1", "-2 -3     S_2"}));
    EXPECT_EQ(AccodaSerie(file, {90, 4}) * 10 + AccodaSerie(file, kVenti), 34);
    const std::pair<std::vector<int>, std::string> rifiuti[] = {
        {{}, "Inserire Serie"},
        {std::vector<int>(21, 1), "Inserire non piu' di 20 numeri"},
        {{5, 91}, "Serie non valida: il numero 91 è fuori dall'intervallo 1-90."},
        {{7, 8, 7}, "Serie non valida: il numero 7 compare più di una volta."},
    };
    for (const auto& [numeri, messaggio] : rifiuti)
        EXPECT_EQ(prova::Fallimento([&] { AccodaSerie(file, numeri); }), messaggio);

    EliminaSerie(file, 2, Record({2, 3}));
    EXPECT_EQ(prova::LeggiBytes(file), Serie({1}) + Serie({90, 4}) + Serie(kVenti));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella.path()), {}), 1);
    for (int record : {3, 2, 1})
        EliminaSerie(file, record);
    EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace ruotario
