#include <gtest/gtest.h>

#include <cerrno>
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

std::vector<std::string> Righe(const TabellaRisultati& tabella) {
    std::vector<std::string> righe;
    std::string testo = tabella.TestoTabulato();
    for (std::size_t inizio = 0, fine; (fine = testo.find('\n', inizio)) != std::string::npos;
         inizio = fine + 1)
        righe.push_back(testo.substr(inizio, fine - inizio));
    return righe;
}

template <typename F>
std::string Messaggio(F azione) {
    try {
        azione();
    } catch (const Errore& errore) {
        return errore.what();
    }
    return {};
}

constexpr int BA = 1, CA = 2, FI = 3, GE = 4, MI = 5, NA = 6, PA = 7, RO = 8, TO = 9, VE = 10;

// 27 over six draws: Bari in the third-last, Firenze in the second and the
// last, Milano in two consecutive draws, Roma in the first, Venezia in the
// last; Cagliari and Genova without draws, Palermo only in the last three.
TEST(Analisi, NumeroSingolo) {
    const std::vector<int> vuote{CA, GE};
    const std::vector<int> vuotePa{CA, GE, PA};
    std::vector<DrawRecord> draws = {
        Estr({{RO, {27}}}, vuotePa),
        Estr({{FI, {1, 27}}}, vuotePa),
        Estr({{MI, {27}}}, vuotePa),
        Estr({{BA, {2, 3, 27}}, {MI, {4, 5, 6, 7, 27}}}, vuote),
        Estr({}, vuote),
        Estr({{FI, {27}}, {VE, {27}}}, vuote),
    };
    EXPECT_EQ(Righe(TabellaRisultati(Analizza(draws, {27}))), (std::vector<std::string>{
                                                                  "27\tRit.\tSort.\tStor.",
                                                                  "BA\t2\t1\t3",
                                                                  "CA\t--\t--\t--",
                                                                  "FI\t0\t2\t3",
                                                                  "GE\t--\t--\t--",
                                                                  "MI\t2\t2\t2",
                                                                  "NA\t6\t0\t6",
                                                                  "PA\t3\t0\t3",
                                                                  "RO\t5\t1\t5",
                                                                  "TO\t6\t0\t6",
                                                                  "VE\t0\t1\t5",
                                                                  "Tutte\t0\t\t1",
                                                                  "Som\t24\t7\t",
                                                              }));
}

// Wheels without draws stay out of the single number's "Tutte" minimum
// instead of showing 0 there; they add 0 to "Som".
TEST(Analisi, NumeroSingoloSenzaRuoteVuoteNelMinimo) {
    std::vector<DrawRecord> draws = {Estr({}, {CA, GE}), Estr({{BA, {27}}}, {CA, GE}),
                                     Estr({}, {CA, GE})};
    auto righe = Righe(TabellaRisultati(Analizza(draws, {27})));
    EXPECT_EQ(righe[11], "Tutte\t1\t\t1");
    EXPECT_EQ(righe[12], "Som\t22\t1\t");
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
    EXPECT_EQ(r.Quaterna.Rit[BA], 5);
    EXPECT_EQ(r.Quaterna.Sort[BA], 0);
    EXPECT_EQ(r.Quaterna.Stor[BA], 5);
    EXPECT_EQ(r.Quaterna.Rit[CA], kSenzaDati);
    EXPECT_EQ(r.RitNumeri[2][CA], kSenzaDati);
    EXPECT_EQ(Righe(TabellaRisultati(r)), (std::vector<std::string>{
                                              "\t5\t17\t33\tMin\tR.A.\tSor\tSto\tR.T.\tSor\tSto",
                                              "BA\t1\t1\t3\t1\t1\t2\t1\t3\t1\t3",
                                              "CA\t--\t--\t--\t\t--\t--\t--\t--\t--\t--",
                                              "FI\t0\t5\t0\t0\t0\t1\t4\t5\t0\t5",
                                              "GE\t5\t4\t5\t4\t5\t0\t5\t5\t0\t5",
                                              "MI\t5\t5\t5\t5\t5\t0\t5\t5\t0\t5",
                                              "NA\t5\t5\t5\t5\t5\t0\t5\t5\t0\t5",
                                              "PA\t5\t5\t5\t5\t5\t0\t5\t5\t0\t5",
                                              "RO\t5\t5\t5\t5\t5\t0\t5\t5\t0\t5",
                                              "TO\t5\t5\t5\t5\t5\t0\t5\t5\t0\t5",
                                              "VE\t5\t5\t5\t5\t5\t0\t5\t5\t0\t5",
                                              "Tutte\t0\t1\t0\t\t0\t\t1\t3\t\t3",
                                              "Som\t36\t40\t38\t\t\t3\t\t\t1\t",
                                          }));
}

TEST(Analisi, UnaSolaEstrazioneQuaternaEVentiNumeri) {
    auto righe = Righe(TabellaRisultati(Analizza({Estr({{RO, {5, 17}}})}, {5, 17})));
    EXPECT_EQ(righe[8], "RO\t0\t0\t0\t0\t1\t0");
    EXPECT_EQ(righe[9], "TO\t1\t1\t1\t1\t0\t1");
    EXPECT_EQ(righe[11], "Tutte\t0\t0\t\t0\t\t0");
    EXPECT_EQ(righe[12], "Som\t9\t9\t\t\t1\t");

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

TEST(Analisi, ColoriDimensioniEAppunti) {
    const Rgb scuro{64, 64, 64}, ciano{0, 255, 255}, grigio{192, 192, 192}, rosso{128, 0, 0},
        blu{0, 0, 255}, bianco{255, 255, 255}, chiaro{224, 224, 224};
    const std::optional<Rgb> no;
    TabellaRisultati quattro(Analizza({Estr()}, {1, 2, 3, 4}));
    // One cell of each kind: headers, "Min", ambo, terno, quaterna, "Tutte", "Som".
    const std::tuple<int, int, std::optional<Rgb>, std::optional<Rgb>> attesi[] = {
        {0, 2, scuro, ciano},  {0, 5, no, no},
        {11, 0, scuro, ciano}, {12, 0, no, no},
        {4, 3, no, no},        {10, 5, grigio, rosso},
        {1, 7, chiaro, blu},   {1, 10, Rgb{192, 192, 0}, rosso},
        {1, 14, grigio, blu},  {11, 1, Rgb{128, 128, 128}, bianco},
        {11, 9, blu, bianco},  {12, 14, grigio, no},
    };
    for (const auto& [riga, c, sfondo, colore] : attesi) {
        EXPECT_EQ(quattro.At(riga, c).sfondo, sfondo) << riga << "," << c;
        EXPECT_EQ(quattro.At(riga, c).colore, colore) << riga << "," << c;
    }
    EXPECT_EQ(TabellaRisultati::LarghezzaColonna(4, 0), 500);
    EXPECT_EQ(TabellaRisultati::LarghezzaColonna(4, 4), 380);
    EXPECT_EQ(TabellaRisultati::LarghezzaColonna(4, 5), 550);
    EXPECT_EQ(quattro.Colonne(), 15);
    EXPECT_EQ(quattro.TestoAppunti(), "1 - 2 - 3 - 4 - ");

    TabellaRisultati uno(Analizza({Estr()}, {27}));
    EXPECT_EQ(uno.At(0, 0).punti, 12);
    EXPECT_EQ(uno.At(0, 0).colore, rosso);
    EXPECT_EQ(uno.At(5, 2).sfondo, grigio);
    EXPECT_EQ(uno.At(5, 3).sfondo, chiaro);
    for (int c = 1; c <= 3; ++c)
        EXPECT_EQ(uno.At(11, c).sfondo, (Rgb{255, 128, 128}));
    EXPECT_EQ(uno.At(11, 3).colore, bianco);
    EXPECT_EQ(uno.TestoAppunti(), "27 - ");
}

TEST(Analisi, SoglieDiMinETutte) {
    // Never drawn over 1001 draws: no "Min" (above 240), no "Tutte" (1000 or more).
    std::vector<DrawRecord> lunghe(1001, Estr());
    auto righe = Righe(TabellaRisultati(Analizza(lunghe, {1, 2})));
    EXPECT_EQ(righe[1], "BA\t1001\t1001\t\t1001\t0\t1001");
    EXPECT_EQ(righe[11], "Tutte\t\t\t\t1001\t\t1001");
    EXPECT_EQ(righe[12], "Som\t10010\t10010\t\t\t0\t");

    // Every wheel "--": 10000 in the delays' "Tutte", nothing else.
    std::vector<DrawRecord> vuote(3, prova::EstrazioneVuota(1, 1, 1900));
    righe = Righe(TabellaRisultati(Analizza(vuote, {1, 2, 3})));
    EXPECT_EQ(righe[4], "GE\t--\t--\t--\t\t--\t--\t--\t--\t--\t--");
    EXPECT_EQ(righe[11], "Tutte\t\t\t\t\t10000\t\t3\t10000\t\t3");
    EXPECT_EQ(righe[12], "Som\t0\t0\t0\t\t\t0\t\t\t0\t");

    // Delays above 10000 on every wheel show their true minimum.
    std::vector<DrawRecord> lunghissime(10050, Estr());
    lunghissime[0] = Estr({{TO, {1, 2}}});
    righe = Righe(TabellaRisultati(Analizza(lunghissime, {1, 2})));
    EXPECT_EQ(righe[11], "Tutte\t\t\t\t10049\t\t10049");
}

TEST(Analisi, NumeroRipetutoNonRaddoppiaIlRitardo) {
    auto r = Analizza({Estr({{BA, {5}}}), Estr(), Estr()}, {5, 5});
    EXPECT_EQ(r.RitNumeri[0][BA], 2);
    EXPECT_EQ(r.RitNumeri[1][BA], 2);
    EXPECT_EQ(r.Ambo.Sort[BA], 1);  // a number standing twice counts twice
}

TEST(Analisi, SerieEIntervalliRifiutati) {
    EXPECT_EQ(Messaggio([] { NumeriDellaSerie({}); }),
              "La serie selezionata non contiene numeri da analizzare.");
    EXPECT_EQ(Messaggio([] {
                  NumeriDellaSerie({0, 5, 91});
              }),
              "Serie non valida: contiene numeri fuori dall'intervallo 1-90.");
    EXPECT_EQ(NumeriDellaSerie({0, 5, 17, 0}), (std::vector<int>{5, 17}));
    EXPECT_THROW(Analizza({Estr()}, std::vector<int>(21, 1)), Errore);

    prova::CartellaProva cartella;
    prova::ScriviArchivio({Estr(), Estr({{BA, {9}}}), Estr()});
    EXPECT_THROW(AnalizzaArchivio(ArchivioPath(), 2, 4, {9}), Errore);
    EXPECT_THROW(AnalizzaArchivio(ArchivioPath(), 3, 2, {9}), Errore);
    EXPECT_THROW(AnalizzaArchivio(ArchivioPath(), 0, 2, {9}), Errore);

    prova::IoGuasto guasto;
    EXPECT_EQ(AnalizzaArchivio(ArchivioPath(), 2, 3, {9}).Ambata.Rit[BA], 1);
    EXPECT_EQ(guasto.Chiamate(prova::IoGuasto::Op::Read), 1);
    guasto.Fallisci(prova::IoGuasto::Op::Read, EIO, 2);
    EXPECT_EQ(Messaggio([] { AnalizzaArchivio(ArchivioPath(), 1, 3, {9}); }),
              "Impossibile leggere il file \"" + ArchivioPath().string() +
                  "\": errore di lettura o scrittura sul disco.");
}

}  // namespace
}  // namespace ruotario
