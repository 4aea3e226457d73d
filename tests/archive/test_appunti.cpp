#include <gtest/gtest.h>

#include "archive/appunti.h"

namespace ruotario {
namespace {

using Numeri = std::vector<std::string>;

std::string Sequenza(int da, int quanti, const std::string& separatore) {
    std::string testo;
    for (int i = 0; i < quanti; ++i)
        testo += std::to_string(da + i) + separatore;
    return testo;
}

TEST(NumeriDaTesto, CinquantaNumeriInOrdineDiRuota) {
    Numeri n = NumeriDaTesto(Sequenza(1, 50, " "));
    ASSERT_EQ(n.size(), 50u);
    EXPECT_EQ(n.front(), "1");
    EXPECT_EQ(n[5], "6");  // Cagliari I
    EXPECT_EQ(n.back(), "50");
}

TEST(NumeriDaTesto, OltreIlCinquantesimoNonSiLegge) {
    Numeri n = NumeriDaTesto(Sequenza(1, 55, ","));
    ASSERT_EQ(n.size(), 50u);
    EXPECT_EQ(n.back(), "50");
}

TEST(NumeriDaTesto, UnaDataInTestaSpostaTuttoDiTre) {
    Numeri n = NumeriDaTesto("07/01/2004\n" + Sequenza(1, 50, "\t"));
    ASSERT_EQ(n.size(), 50u);
    EXPECT_EQ((Numeri{n[0], n[1], n[2], n[3]}), (Numeri{"7", "1", "2004", "1"}));
    EXPECT_EQ(n.back(), "47");
}

TEST(NumeriDaTesto, ValoreSenzaZeriIniziali) {
    EXPECT_EQ(NumeriDaTesto("05 0 000 90"), (Numeri{"5", "0", "0", "90"}));
    EXPECT_EQ(NumeriDaTesto("12abc34-56x"), (Numeri{"12", "34", "56"}));
    // Far too long for a number: kept whole, so it is simply not drawable.
    EXPECT_EQ(NumeriDaTesto("0001234567890123456789012345"), (Numeri{"1234567890123456789012345"}));
}

TEST(NumeriDaTesto, DieciRigheConINomiDelleRuote) {
    const char* ruote[] = {"Bari",   "Cagliari", "Firenze", "Genova", "Milano",
                           "Napoli", "Palermo",  "Roma",    "Torino", "Venezia"};
    std::string testo;
    for (int w = 0; w < 10; ++w)
        testo += std::string(ruote[w]) + " " + Sequenza(w * 5 + 1, 5, " ") + "\r\n";
    Numeri n = NumeriDaTesto(testo);
    ASSERT_EQ(n.size(), 50u);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(n[i], std::to_string(i + 1));
}

TEST(NumeriDaTesto, SenzaCifreNessunNumero) {
    EXPECT_TRUE(NumeriDaTesto("").empty());
    EXPECT_TRUE(NumeriDaTesto("Bari, Cagliari - ... /").empty());
    // Digits of other scripts are not the digits 0 to 9.
    EXPECT_EQ(NumeriDaTesto("\u0661\u0662 7"), (Numeri{"7"}));
}

}  // namespace
}  // namespace ruotario
