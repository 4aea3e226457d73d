#include <gtest/gtest.h>

#include <map>
#include <numeric>

#include "analysis/analisi.h"
#include "analysis/tabella.h"
#include "store/errore.h"
#include "store/module1.h"
#include "support/archivio_prova.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using Righe = std::vector<std::string>;
constexpr int BA = 1, CA = 2, FI = 3, GE = 4, MI = 5, NA = 6, PA = 7, RO = 8, TO = 9, VE = 10;

// A draw whose wheels hold 81..85, except the wheels given (their numbers
// padded with 86..90) and the empty ones.
DrawRecord Estr(std::map<int, std::vector<int>> ruote = {}, std::vector<int> vuote = {}) {
    DrawRecord d = prova::EstrazioneVuota(1, 1, 2000);
    for (int w = 1; w <= kRuote; ++w) {
        std::vector<int> numeri = ruote.count(w) ? ruote[w] : std::vector<int>{81, 82, 83, 84, 85};
        for (int riempi = 86; numeri.size() < 5; ++riempi)
            numeri.push_back(riempi);
        for (int p = 1; p <= 5; ++p)
            d.Numbers(p, w) = static_cast<std::int16_t>(numeri[p - 1]);
    }
    for (int w : vuote)
        for (int p = 1; p <= 5; ++p)
            d.Numbers(p, w) = 0;
    return d;
}

// The rows of the results table, cells separated by one space: two spaces
// stand around an empty cell.
Righe Tabella(const RisultatoAnalisi& r) {
    Righe righe(1);
    for (char c : TabellaRisultati(r).TestoTabulato())
        if (c == '\n')
            righe.emplace_back();
        else
            righe.back() += c == '\t' ? ' ' : c;
    righe.pop_back();
    return righe;
}

// 27 over six draws: Bari in the third-last, Firenze in the second and the
// last, Milano in two consecutive draws, Roma in the first, Venezia in the
// last; Cagliari and Genova without draws, Palermo only in the last three.
TEST(Analisi, NumeroSingolo) {
    const std::vector<int> vuote{CA, GE}, vuotePa{CA, GE, PA};
    const std::vector<DrawRecord> draws = {
        Estr({{RO, {27}}}, vuotePa),
        Estr({{FI, {1, 27}}}, vuotePa),
        Estr({{MI, {27}}}, vuotePa),
        Estr({{BA, {2, 3, 27}}, {MI, {4, 5, 6, 7, 27}}}, vuote),
        Estr({}, vuote),
        Estr({{FI, {27}}, {VE, {27}}}, vuote),
    };
    EXPECT_EQ(Tabella(Analizza(draws, {27})),
              (Righe{"27 Rit. Sort. Stor.", "BA 2 1 3", "CA -- -- --", "FI 0 2 3", "GE -- -- --",
                     "MI 2 2 2", "NA 6 0 6", "PA 3 0 3", "RO 5 1 5", "TO 6 0 6", "VE 0 1 5",
                     "Tutte 0  1", "Som 24 7 "}));

    // Wheels without draws stay out of the "Tutte" minimum instead of showing
    // 0 there; they add 0 to "Som".
    auto righe =
        Tabella(Analizza({Estr({}, vuote), Estr({{BA, {27}}}, vuote), Estr({}, vuote)}, {27}));
    EXPECT_EQ(righe[11], "Tutte 1  1");
    EXPECT_EQ(righe[12], "Som 22 1 ");
}

// 5, 17, 33 over five draws: on Bari all three in the second draw, 5 and 17
// in the fourth; 33 and 5 on Firenze in the last; 17 alone on Genova in the
// first; Cagliari without draws.
TEST(Analisi, SerieDiTreNumeri) {
    std::vector<DrawRecord> draws = {
        Estr({{GE, {17}}}, {CA}),       Estr({{BA, {5, 17, 33}}}, {CA}), Estr({}, {CA}),
        Estr({{BA, {17, 1, 5}}}, {CA}), Estr({{FI, {33, 5}}}, {CA}),
    };
    std::vector<std::int64_t> passi;
    auto r = Analizza(draws, {5, 17, 33}, [&](std::int64_t passo) { passi.push_back(passo); });
    EXPECT_EQ(passi, (std::vector<std::int64_t>{1, 2, 3, 4, 5, 6, 7, 8}));
    // Never four numbers of three: no quaterna, "--" on Cagliari.
    EXPECT_EQ(r.Quaterna.Sort[BA], 0);
    EXPECT_EQ(r.Quaterna.Stor[BA], 5);
    EXPECT_EQ(r.Quaterna.Rit[CA], kSenzaDati);
    Righe attese = {" 5 17 33 Min R.A. Sor Sto R.T. Sor Sto", "BA 1 1 3 1 1 2 1 3 1 3",
                    "CA -- -- --  -- -- -- -- -- --", "FI 0 5 0 0 0 1 4 5 0 5",
                    "GE 5 4 5 4 5 0 5 5 0 5"};
    for (const char* ruota : {"MI", "NA", "PA", "RO", "TO", "VE"})
        attese.push_back(ruota + std::string(" 5 5 5 5 5 0 5 5 0 5"));
    attese.push_back("Tutte 0 1 0  0  1 3  3");
    attese.push_back("Som 36 40 38   3   1 ");
    EXPECT_EQ(Tabella(r), attese);
}

TEST(Analisi, UnaSolaEstrazioneQuaternaEVentiNumeri) {
    auto righe = Tabella(Analizza({Estr({{RO, {5, 17}}})}, {5, 17}));
    EXPECT_EQ(righe[8], "RO 0 0 0 0 1 0");
    EXPECT_EQ(righe[9], "TO 1 1 1 1 0 1");
    EXPECT_EQ(righe[11], "Tutte 0 0  0  0");
    EXPECT_EQ(righe[12], "Som 9 9   1 ");

    // Four of the series on Napoli: ambo, terno and quaterna at once.
    auto r = Analizza({Estr(), Estr({{NA, {9, 2, 7, 4}}})}, {2, 4, 6, 7, 9});
    for (const Evento* e : {&r.Ambo, &r.Terno, &r.Quaterna}) {
        EXPECT_EQ(e->Rit[NA], 0);
        EXPECT_EQ(e->Sort[NA], 1);
        EXPECT_EQ(e->Stor[NA], 1);
        EXPECT_EQ(e->Rit[kRuote + 1], 1);
    }
    std::vector<int> venti(20);
    std::iota(venti.begin(), venti.end(), 1);
    EXPECT_EQ(TabellaRisultati(Analizza({Estr()}, venti)).Colonne(), 31);
}

TEST(Analisi, ColoriEDimensioni) {
    const Rgb scuro{64, 64, 64}, ciano{0, 255, 255}, grigio{192, 192, 192}, rosso{128, 0, 0},
        blu{0, 0, 255}, bianco{255, 255, 255}, chiaro{224, 224, 224}, oliva{192, 192, 0};
    const std::optional<Rgb> no;
    TabellaRisultati quattro(Analizza({Estr()}, {1, 2, 3, 4}));
    ASSERT_EQ(quattro.Colonne(), 15);
    // A wheel's row from "Min" to the quaterna, group by group.
    const Rgb sfondi[] = {grigio, chiaro, chiaro, chiaro, oliva,
                          oliva,  oliva,  grigio, grigio, grigio};
    const Rgb testi[] = {rosso, blu, blu, blu, rosso, rosso, rosso, blu, blu, blu};
    for (int c = 5; c < 15; ++c) {
        EXPECT_EQ(quattro.At(10, c).sfondo, sfondi[c - 5]) << c;
        EXPECT_EQ(quattro.At(10, c).colore, testi[c - 5]) << c;
    }
    // The headers, a number's cell, "Tutte" and "Som".
    const std::tuple<int, int, std::optional<Rgb>, std::optional<Rgb>> attesi[] = {
        {0, 2, scuro, ciano}, {0, 5, no, no},       {11, 0, scuro, ciano},
        {12, 0, no, no},      {4, 3, no, no},       {11, 1, Rgb{128, 128, 128}, bianco},
        {11, 9, blu, bianco}, {12, 14, grigio, no},
    };
    for (const auto& [riga, c, sfondo, colore] : attesi) {
        EXPECT_EQ(quattro.At(riga, c).sfondo, sfondo) << riga << "," << c;
        EXPECT_EQ(quattro.At(riga, c).colore, colore) << riga << "," << c;
    }

    TabellaRisultati uno(Analizza({Estr()}, {27}));
    EXPECT_EQ(uno.At(0, 0).punti, 12);
    EXPECT_EQ(uno.At(0, 0).colore, rosso);
    EXPECT_EQ(uno.At(5, 2).sfondo, grigio);
    EXPECT_EQ(uno.At(5, 3).sfondo, chiaro);
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(uno.At(11, c).sfondo, (Rgb{255, 128, 128}));
    EXPECT_EQ(uno.At(11, 3).colore, bianco);
}

TEST(Analisi, SoglieDiMinETutte) {
    // Never drawn: "Min" shows up to 240, a number's "Tutte" below 1000.
    EXPECT_EQ(Tabella(Analizza(std::vector<DrawRecord>(240, Estr()), {1, 2}))[1],
              "BA 240 240 240 240 0 240");
    auto righe = Tabella(Analizza(std::vector<DrawRecord>(241, Estr()), {1, 2}));
    EXPECT_EQ(righe[1], "BA 241 241  241 0 241");
    EXPECT_EQ(righe[11], "Tutte 241 241  241  241");
    righe = Tabella(Analizza(std::vector<DrawRecord>(1000, Estr()), {1, 2}));
    EXPECT_EQ(righe[11], "Tutte    1000  1000");
    EXPECT_EQ(righe[12], "Som 10000 10000   0 ");

    // Every wheel "--": 10000 in the delays' "Tutte", nothing else.
    righe = Tabella(Analizza(std::vector(3, prova::EstrazioneVuota(1, 1, 1900)), {1, 2, 3}));
    EXPECT_EQ(righe[4], "GE -- -- --  -- -- -- -- -- --");
    EXPECT_EQ(righe[11], "Tutte     10000  3 10000  3");
    EXPECT_EQ(righe[12], "Som 0 0 0   0   0 ");

    // Delays above 10000 on every wheel show their true minimum; the sums go past 16 bits.
    std::vector<DrawRecord> lunghissime(10050, Estr());
    lunghissime[0] = Estr({{TO, {1, 2}}});
    righe = Tabella(Analizza(lunghissime, {1, 2}));
    EXPECT_EQ(righe[11], "Tutte    10049  10049");
    EXPECT_EQ(righe[12], "Som 100499 100499   1 ");  // 9 x 10050 + 10049
}

TEST(Analisi, NumeroRipetutoNonRaddoppiaIlRitardo) {
    auto r = Analizza({Estr({{BA, {5}}}), Estr(), Estr()}, {5, 5});
    EXPECT_EQ(r.RitNumeri[0][BA], 2);
    EXPECT_EQ(r.RitNumeri[1][BA], 2);
    EXPECT_EQ(r.Ambo.Sort[BA], 1);  // a number standing twice counts twice
}

// The messages of a refused series are those the analysis window shows.
TEST(Analisi, SerieEIntervalliRifiutati) {
    EXPECT_EQ(NumeriDellaSerie({0, 5, 17, 0}), (std::vector<int>{5, 17}));
    for (std::array<std::int16_t, 21> serie : {std::array<std::int16_t, 21>{}, {0, 5, 91}})
        EXPECT_THROW(NumeriDellaSerie(serie), Errore);
    EXPECT_THROW(Analizza({Estr()}, std::vector<int>(21, 1)), Errore);

    prova::CartellaProva cartella;
    prova::ScriviArchivio({Estr(), Estr({{BA, {9}}}), Estr()});
    for (auto [da, a] : {std::pair(2, 4), {3, 2}, {0, 2}})
        EXPECT_THROW(AnalizzaArchivio(LottoDatPath(), da, a, {9}), Errore) << da << "-" << a;
    // The range with one read.
    prova::IoGuasto guasto;
    EXPECT_EQ(AnalizzaArchivio(LottoDatPath(), 2, 3, {9}).Ambata.Rit[BA], 1);
    EXPECT_EQ(guasto.Chiamate(prova::IoGuasto::Op::Read), 1);
}

}  // namespace
}  // namespace ruotario
