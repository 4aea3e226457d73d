// The rules the archive window applies while a new draw is typed in.
#include <gtest/gtest.h>

#include "archive/inserimento.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

TEST(Inserimento, DataPropostaEAnni) {
    const Data oggi{6, 12, 2026};
    DrawRecord danneggiata = prova::Estrazione(31, 2, 2004);
    EXPECT_EQ(DataProposta(prova::Estrazione(21, 8, 2026), oggi), (Data{21, 8, 2026}));
    EXPECT_EQ(DataProposta(danneggiata, oggi), oggi);
    EXPECT_EQ(DataProposta(std::nullopt, oggi), oggi);
    const auto anni = AnniProposti(2004);
    EXPECT_EQ(anni.size(), 11u);
    EXPECT_EQ(anni.front() + " " + anni.back(), "2004 2014");
}

TEST(Inserimento, GiorniDelMeseEGiornoDellaSettimana) {
    // "d/m/y" as the three lists give it: days in the month, the weekday cell.
    const std::tuple<const char*, std::optional<int>, std::optional<std::string>> casi[] = {
        {"1/02/2004", 29, " dom"},
        {"1/02/2003", 28, " sab"},
        {"31/04/2021", 30, std::nullopt},  // 31 left chosen on the way to April
        {"5/12/2026", 31, " sab"},
        {"1/13/2004", std::nullopt, std::nullopt},
        {"1/00/2004", std::nullopt, std::nullopt},
        {"/05/", std::nullopt, std::nullopt},
        {"1/05", std::nullopt, std::nullopt},
    };
    for (const auto& [testo, giorni, cella] : casi) {
        EXPECT_EQ(GiorniDelMese(testo), giorni) << testo;
        EXPECT_EQ(CellaGiornoDi(testo), cella) << testo;
    }
    EXPECT_EQ(DataDiTesto("07/01/1871"), (Data{7, 1, 1871}));
}

TEST(Inserimento, DueCifrePerCellaEDopoVeneziaBari) {
    Digitazione d;
    EXPECT_FALSE(d.Digita('x'));
    EXPECT_TRUE(d.Digita('4'));
    EXPECT_EQ(d.Testo() + (d.Completa() ? " completa" : ""), "4");
    EXPECT_TRUE(d.Digita('5'));
    EXPECT_EQ(d.Testo() + (d.Completa() ? " completa" : ""), "45 completa");
    EXPECT_FALSE(d.Digita('6'));  // a full cell takes nothing until the next one
    d.Azzera();
    EXPECT_TRUE(d.Digita('0') && d.Digita('7'));
    EXPECT_EQ(d.Testo(), "07");

    using Cella = std::optional<std::pair<int, int>>;
    EXPECT_EQ(CellaDopo(2, 6), (Cella{{3, 1}}));
    EXPECT_EQ(CellaDopo(10, 6), (Cella{{11, 1}}));
    EXPECT_EQ(CellaDopo(11, 6), (Cella{{2, 1}}));
    EXPECT_EQ(CellaDopo(11, 5), std::nullopt);
}

}  // namespace
}  // namespace ruotario
