// The analysis core: its thresholds, sums past 16 bits, repeated and
// damaged numbers, and the ranges it refuses, with the windows' messages.
#include <gtest/gtest.h>

#include "analysis/analisi.h"
#include "analysis/tabella.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

constexpr int BA = 1, CA = 2, FI = 3, GE = 4, TO = 9;

// A draw whose wheels hold 81..85, but for the first numbers of wheel w.
DrawRecord Estr(int w = 0, std::initializer_list<int> numeri = {}) {
    DrawRecord d = DrawRecord{1, 1, 2000};
    for (int c = 0; c < kRuote * kPosizioni; ++c)
        d.Cells[c] = static_cast<std::int16_t>(81 + c % kPosizioni);
    if (w) prova::Ruota(d, w, numeri);
    return d;
}

// These rows of the results table: cells separated by blanks (two stand
// around an empty cell), each row ended by "|".
std::string Righe(const std::vector<DrawRecord>& draws, const std::vector<int>& numeri,
                  std::initializer_list<int> righe) {
    const TabellaRisultati tabella(Analizza(draws, numeri));
    std::string testo;
    for (int r : righe)
        for (int c = 0; c < tabella.Colonne(); ++c)
            testo += tabella.At(r, c).testo + (c + 1 < tabella.Colonne() ? " " : "|");
    return testo;
}

TEST(Analisi, SoglieNumeriRipetutiODanneggiati) {
    // "Min" shows delays up to 240: 1 on Bari in the first of 241 draws.
    std::vector<DrawRecord> draws(241, Estr());
    draws[0] = Estr(BA, {1});
    EXPECT_EQ(Righe(draws, {1, 2, 3}, {1, 2}),
              "BA 240 241 241 240 241 0 241 241 0 241|CA 241 241 241  241 0 241 241 0 241|");
    // Every wheel "--": 10000 in each event's "Tutte", 0 in the sums.
    EXPECT_EQ(Righe(std::vector(3, DrawRecord{1, 1, 1900}), {1, 2, 3, 4}, {11, 12}),
              "Tutte      10000  3 10000  3 10000  3|Som 0 0 0 0   0   0   0 |");
    // A number's "Tutte" shows delays below 1000 only (1 on Bari is 1000 draws
    // old); delays past 10000 and sums past 16 bits stay exact: 1000 + 10049 +
    // 8 x 10050, and 10049 + 9 x 10050.
    draws.assign(10050, Estr());
    draws[0] = Estr(TO, {1, 2});
    draws[9049] = Estr(BA, {1});
    EXPECT_EQ(Righe(draws, {1, 2}, {11, 12}), "Tutte    10049  10049|Som 91449 100499   1 |");

    // One step per number of the series, then one per draw. A number standing
    // twice keeps its delay and counts twice on the wheel. In a damaged
    // archive, numbers below 1 or past 90 match no number.
    std::vector<std::int64_t> passi;
    auto r = Analizza({Estr(BA, {5}), Estr(), Estr()}, {5, 5},
                      [&](std::int64_t passo) { passi.push_back(passo); });
    EXPECT_EQ(passi, (std::vector<std::int64_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(std::tuple(r.RitNumeri[0][BA], r.RitNumeri[1][BA], r.Ambo.Sort[BA]),
              std::tuple(2, 2, 1));
    r = Analizza({Estr(BA, {91}), Estr(CA, {-1}), Estr(FI, {32767}), Estr(GE, {-32768})}, {90});
    EXPECT_EQ(std::pair(r.Ambata.TotSort, r.Ambata.Rit[BA]), std::pair(0L, 4L));
}

// The messages of a refused range are those the windows show; a range of
// one draw is a range.
TEST(Analisi, SerieEIntervalli) {
    prova::CartellaProva cartella;
    const auto Analisi = [](int da, int a) { return AnalizzaArchivio(LottoDatPath(), da, a, {9}); };
    prova::ScriviArchivio({});
    EXPECT_EQ(prova::Fallimento([&] { Analisi(1, 1); }),
              "L'archivio non contiene estrazioni da analizzare.");
    prova::ScriviArchivio({Estr(), Estr(BA, {9}), Estr()});
    EXPECT_EQ(prova::Fallimento([&] { Analisi(2, 4); }),
              "Intervallo di estrazioni non valido: da 2 a 4, ammesso da 1 a 3 con l'inizio non "
              "oltre la fine.");
    std::string esiti;
    for (auto [da, a] : {std::pair(3, 2), {0, 2}, {2, 2}})
        esiti += prova::Fallimento([&] { Analisi(da, a); }).substr(0, 13) + "|";
    EXPECT_EQ(esiti, "Intervallo di|Intervallo di|nessun errore|");
}

}  // namespace
}  // namespace ruotario
