#include <gtest/gtest.h>

#include "analysis/analisi.h"
#include "analysis/tabella.h"
#include "store/module1.h"
#include "support/archivio_prova.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using Righe = std::vector<std::string>;
constexpr int BA = 1, CA = 2, FI = 3, GE = 4, TO = 9;

// A draw whose wheels hold 81..85, but for the first numbers of wheel w.
DrawRecord Estr(int w = 0, std::initializer_list<int> numeri = {}) {
    DrawRecord d = prova::EstrazioneVuota(1, 1, 2000);
    for (int c = 0; c < kRuote * kPosizioni; ++c)
        d.Cells[c] = static_cast<std::int16_t>(81 + c % kPosizioni);
    if (w) prova::Ruota(d, w, numeri);
    return d;
}

// The rows of the results table, cells separated by one space: two spaces
// stand around an empty cell.
Righe Tabella(const std::vector<DrawRecord>& draws, const std::vector<int>& numeri) {
    Righe righe(1);
    for (char c : TabellaRisultati(Analizza(draws, numeri)).TestoTabulato())
        if (c == '\n')
            righe.emplace_back();
        else
            righe.back() += c == '\t' ? ' ' : c;
    righe.pop_back();
    return righe;
}

TEST(Analisi, SoglieDelleColonne) {
    // "Min" shows delays up to 240: 1 on Bari in the first of 241 draws.
    std::vector<DrawRecord> draws(241, Estr());
    draws[0] = Estr(BA, {1});
    auto righe = Tabella(draws, {1, 2, 3});
    EXPECT_EQ(righe[1], "BA 240 241 241 240 241 0 241 241 0 241");
    EXPECT_EQ(righe[2], "CA 241 241 241  241 0 241 241 0 241");
    EXPECT_EQ(righe[11], "Tutte 240 241 241  241  241 241  241");

    // Every wheel "--": 10000 in each event's "Tutte", 0 in the sums.
    righe = Tabella(std::vector(3, prova::EstrazioneVuota(1, 1, 1900)), {1, 2, 3, 4});
    EXPECT_EQ(righe[4], "GE -- -- -- --  -- -- -- -- -- -- -- -- --");
    EXPECT_EQ(righe[11], "Tutte      10000  3 10000  3 10000  3");
    EXPECT_EQ(righe[12], "Som 0 0 0 0   0   0   0 ");

    // A number's "Tutte" shows delays below 1000 only (1 on Bari is 1000 draws
    // old); delays past 10000 and sums past 16 bits stay exact.
    draws.assign(10050, Estr());
    draws[0] = Estr(TO, {1, 2});
    draws[9049] = Estr(BA, {1});
    righe = Tabella(draws, {1, 2});
    EXPECT_EQ(righe[11], "Tutte    10049  10049");
    EXPECT_EQ(righe[12], "Som 91449 100499   1 ");  // 1000 + 10049 + 8 x 10050, 10049 + 9 x 10050
}

TEST(Analisi, NumeriRipetutiODanneggiati) {
    // One step per number of the series, then one per draw. A number standing
    // twice keeps its delay and counts twice on the wheel.
    std::vector<std::int64_t> passi;
    auto r = Analizza({Estr(BA, {5}), Estr(), Estr()}, {5, 5},
                      [&](std::int64_t passo) { passi.push_back(passo); });
    EXPECT_EQ(passi, (std::vector<std::int64_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(std::pair(r.RitNumeri[0][BA], r.RitNumeri[1][BA]), std::pair(2L, 2L));
    EXPECT_EQ(r.Ambo.Sort[BA], 1);

    // A damaged archive: numbers below 1 or past 90 match no number.
    r = Analizza({Estr(BA, {91}), Estr(CA, {-1}), Estr(FI, {32767}), Estr(GE, {-32768})}, {90});
    EXPECT_EQ(std::pair(r.Ambata.TotSort, r.Ambata.Rit[BA]), std::pair(0L, 4L));
}

// The messages of a refused series or range are those the windows show.
TEST(Analisi, SerieEIntervalliRifiutati) {
    EXPECT_EQ(NumeriDellaSerie({0, 5, 17, 0}), (std::vector<int>{5, 17}));
    EXPECT_EQ(prova::Fallimento([] { NumeriDellaSerie({}); }),
              "La serie selezionata non contiene numeri da analizzare.");
    EXPECT_THROW(NumeriDellaSerie({0, 5, 91}), Errore);
    EXPECT_THROW(Analizza({Estr()}, std::vector<int>(21, 1)), Errore);

    prova::CartellaProva cartella;
    const auto Analisi = [](int da, int a) { return AnalizzaArchivio(LottoDatPath(), da, a, {9}); };
    prova::ScriviArchivio({});
    EXPECT_EQ(prova::Fallimento([&] { Analisi(1, 1); }),
              "L'archivio non contiene estrazioni da analizzare.");
    prova::ScriviArchivio({Estr(), Estr(BA, {9}), Estr()});
    EXPECT_EQ(prova::Fallimento([&] { Analisi(2, 4); }),
              "Intervallo di estrazioni non valido: da 2 a 4, ammesso da 1 a 3 con l'inizio non "
              "oltre la fine.");
    for (auto [da, a] : {std::pair(3, 2), {0, 2}})
        EXPECT_TRUE(
            prova::Fallimento([&] { Analisi(da, a); }).starts_with("Intervallo di estrazioni"))
            << da;
    EXPECT_EQ(Analisi(2, 2).Ambata.Sort[BA], 1);
    // The range with one read.
    prova::IoGuasto guasto;
    EXPECT_EQ(Analisi(2, 3).Ambata.Rit[BA], 1);
    EXPECT_EQ(guasto.Chiamate(prova::IoGuasto::Op::Read), 1);
}

}  // namespace
}  // namespace ruotario
