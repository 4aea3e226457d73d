#include <gtest/gtest.h>

#include "archive/celle.h"
#include "archive/superenalotto.h"

namespace ruotario {
namespace {

using Celle = std::vector<std::pair<int, int>>;

// Ten full wheels of numbers no source wheel shares, first numbers given.
ValoriRuote Ruote() {
    ValoriRuote v{};
    for (int w = 0; w < 10; ++w)
        for (int p = 0; p < 5; ++p)
            v[w][p] = 40 + w * 5 + p - (w >= 9 ? 50 : 0);  // 40..89, Venezia 35..39
    return v;
}

void Prime(ValoriRuote& v, std::array<std::int64_t, 7> prime) {
    const int ruote[] = {1, 3, 5, 6, 7, 8, 10};
    for (int k = 0; k < 7; ++k)
        v[ruote[k] - 1][0] = prime[k];
}

const Celle kPrimePosizioni = {{2, 1}, {4, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 1}, {11, 1}};

TEST(SuperEnalotto, EsempioDelleSeiPrimeEDelJolly) {
    ValoriRuote v = Ruote();
    Prime(v, {90, 12, 45, 3, 77, 8, 51});
    SuperEnalotto s = DerivaSuperEnalotto(v);
    EXPECT_FALSE(s.Incompleto);
    EXPECT_EQ(s.Sei, (std::array<std::string, 6>{"3", "8", "12", "45", "77", "90"}));
    EXPECT_EQ(s.Jolly, "51");
    EXPECT_EQ(s.Rossi, kPrimePosizioni);
}

TEST(SuperEnalotto, UnaRipetizioneSuFirenzePrendeLaSecondaPosizione) {
    ValoriRuote v = Ruote();
    Prime(v, {5, 5, 45, 3, 77, 8, 51});
    v[2][1] = 17;
    SuperEnalotto s = DerivaSuperEnalotto(v);
    EXPECT_EQ(s.Sei, (std::array<std::string, 6>{"3", "5", "8", "17", "45", "77"}));
    EXPECT_EQ(s.Rossi[1], std::make_pair(4, 2));
}

TEST(SuperEnalotto, IlJollySaltaINumeriGiaPresi) {
    ValoriRuote v = Ruote();
    Prime(v, {90, 12, 45, 3, 77, 8, 12});
    v[9][1] = 90;
    v[9][2] = 33;
    SuperEnalotto s = DerivaSuperEnalotto(v);
    EXPECT_EQ(s.Jolly, "33");
    EXPECT_EQ(s.Rossi.back(), std::make_pair(11, 3));
    EXPECT_EQ(s.Sei[5], "90");
}

TEST(SuperEnalotto, SenzaNapoliNessunaCombinazione) {
    ValoriRuote v = Ruote();
    for (auto& n : v[5])
        n = 0;
    SuperEnalotto s = DerivaSuperEnalotto(v);
    EXPECT_TRUE(s.Incompleto);
    EXPECT_TRUE(s.Rossi.empty());
    for (const std::string& cella : s.Sei)
        EXPECT_EQ(cella, " - ");
    EXPECT_EQ(s.Jolly, " - ");
}

TEST(SuperEnalotto, CagliariGenovaETorinoNonContano) {
    ValoriRuote v = Ruote();
    Prime(v, {90, 12, 45, 3, 77, 8, 51});
    v[1] = {90, 90, 90, 90, 90, 0};
    v[3] = {};
    v[8][0] = 12;
    SuperEnalotto s = DerivaSuperEnalotto(v);
    EXPECT_FALSE(s.Incompleto);
    EXPECT_EQ(s.Sei, (std::array<std::string, 6>{"3", "8", "12", "45", "77", "90"}));
    EXPECT_EQ(s.Rossi, kPrimePosizioni);
}

TEST(SuperEnalotto, UnaRuotaTuttaGiaPresaNonDaLaCombinazione) {
    ValoriRuote v = Ruote();
    Prime(v, {1, 2, 3, 4, 5, 1, 51});
    v[7] = {1, 2, 3, 4, 5, 0};  // Roma: every number already taken
    SuperEnalotto s = DerivaSuperEnalotto(v);
    EXPECT_TRUE(s.Incompleto);
    EXPECT_EQ(s.Scelte[5], 0);
    EXPECT_EQ(s.Jolly, " - ");
    // The picks made stay marked; the Jolly still comes from Venezia.
    EXPECT_EQ(s.Rossi, (Celle{{2, 1}, {4, 1}, {6, 1}, {7, 1}, {8, 1}, {11, 1}}));

    // Venezia too: its search stops at the empty column, nothing beyond.
    v[9] = {1, 2, 3, 4, 5, 0};
    s = DerivaSuperEnalotto(v);
    EXPECT_TRUE(s.Incompleto);
    EXPECT_EQ(s.Scelte[6], 0);
    EXPECT_EQ(s.Rossi.size(), 5u);
}

TEST(ValoreCella, NumeroInizialeDelTesto) {
    EXPECT_EQ(ValoreCella("07"), 7);
    EXPECT_EQ(ValoreCella("-"), 0);
    EXPECT_EQ(ValoreCella("--"), 0);
    EXPECT_EQ(ValoreCella(""), 0);
    EXPECT_EQ(ValoreCella(" 45"), 45);
    EXPECT_EQ(ValoreCella("12abc"), 12);
    EXPECT_EQ(ValoreCella("-3"), -3);
    EXPECT_EQ(ValoreCella("99999999999999999999999"), INT64_MAX);
    EXPECT_TRUE(NumeroValido("90"));
    EXPECT_TRUE(NumeroValido("01"));
    EXPECT_FALSE(NumeroValido("0"));
    EXPECT_FALSE(NumeroValido("00"));
    EXPECT_FALSE(NumeroValido("91"));
    EXPECT_FALSE(NumeroValido(""));
    EXPECT_FALSE(NumeroValido("18446744073709551617"));
}

}  // namespace
}  // namespace ruotario
