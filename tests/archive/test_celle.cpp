// The archive window's rules that need no window: the value of a cell, the
// numbers of a pasted text, the Super Enalotto, the draw composed for saving,
// and the date lists and digits of a draw being typed in.
#include <gtest/gtest.h>

#include "archive/appunti.h"
#include "archive/inserimento.h"
#include "archive/superenalotto.h"
#include "archive/vista.h"

namespace ruotario {
namespace {

TEST(Celle, IlValoreDiUnaCellaEINumeriGiocabili) {
    std::string valori;
    for (const char* testo : {"07", "-", "--", "", " 45", "12abc", "-3", "99999999999999999999999"})
        valori += std::to_string(ValoreCella(testo)) + " ";
    EXPECT_EQ(valori, "7 0 0 0 45 12 -3 9223372036854775807 ");
    std::string giocabili;
    for (const char* testo : {"90", "01", "0", "00", "91", "", "18446744073709551617"})
        giocabili += NumeroValido(testo) ? "s" : "n";
    EXPECT_EQ(giocabili, "ssnnnnn");
}

// What a window cannot show of a pasted text: a run far too long for a number
// is kept whole (so it is not drawable), digits of other scripts are no digits.
TEST(Celle, NumeriDaTestoSoloLeCifreDaZeroANove) {
    EXPECT_EQ(NumeriDaTesto("Bari: 05 0 000, x0001234567890123456789012345y \u0661\u0662 - 9/"),
              (std::vector<std::string>{"5", "0", "0", "1234567890123456789012345", "9"}));
}

// Bari 1, Firenze 2, Milano 3, Napoli 4, Palermo 5, Roma 6 and Venezia 7 first,
// every other cell empty but those changed: (wheel, column, number), the
// column after the fifth number included. The six, the Jolly, the red cells.
std::string Super(std::vector<std::array<int, 3>> cambi) {
    ValoriRuote v{};
    for (auto [w, n] : {std::pair{1, 1}, {3, 2}, {5, 3}, {6, 4}, {7, 5}, {8, 6}, {10, 7}})
        v[w - 1][0] = n;
    for (auto [w, p, n] : cambi)
        v[w - 1][p - 1] = n;
    const SuperEnalotto s = DerivaSuperEnalotto(v);
    std::string testo = s.Incompleto ? "incompleto:" : "";
    for (const std::string& n : s.Sei)
        testo += n + "|";
    testo += "Jolly " + s.Jolly;
    for (auto [r, c] : s.Rossi)
        testo += " " + std::to_string(r) + "," + std::to_string(c);
    return testo;
}

// A number outside 1..90 gives no combination. Nor do Palermo's five all
// taken, which leave its sixth column, and Roma's five and sixth all taken:
// the search stops there, and Torino's 80 is not read for Roma.
TEST(SuperEnalotto, NessunaCombinazioneFuoriIntervalloOConDueRuoteGiaPrese) {
    EXPECT_EQ(Super({}), "1|2|3|4|5|6|Jolly 7 2,1 4,1 6,1 7,1 8,1 9,1 11,1");
    const std::string incompleta = "incompleto: - | - | - | - | - | - |Jolly  - ";
    EXPECT_EQ(Super({{7, 1, 91}}), incompleta);
    EXPECT_EQ(Super({{7, 1, 1},
                     {7, 2, 2},
                     {7, 3, 3},
                     {7, 4, 4},
                     {7, 5, 1},
                     {7, 6, 77},
                     {8, 1, 1},
                     {8, 2, 2},
                     {8, 3, 3},
                     {8, 4, 4},
                     {8, 5, 77},
                     {8, 6, 77},
                     {9, 1, 80}}),
              incompleta);
}

// The date lists cannot offer these, and a damaged state could; a number
// twice on one wheel is refused, on two wheels it is not.
TEST(Celle, NessunaEstrazioneSuUnaDataCheNonEsisteNeConUnNumeroDoppio) {
    CelleRuote celle;
    for (int i = 0; i < 50; ++i)
        celle[i / 5][i % 5] = std::to_string(i + 1);
    celle[9][4] = "1";  // Bari's first on Venezia
    std::string esiti;
    for (auto data : {std::array<std::string, 3>{"29", "02", "2004"},
                      {"", "", ""},
                      {"31", "04", "2004"},
                      {"29", "02", "2003"},
                      {"1", "1", "40000"}})
        esiti += ComponiEstrazione(data, celle) ? "s" : "n";
    celle[0][4] = "4";  // Bari's fourth again as its fifth
    esiti += ComponiEstrazione({"29", "02", "2004"}, celle) ? "s" : "n";
    EXPECT_EQ(esiti, "snnnnn");
}

// "d/m/y" as the three lists give it: days in the month, the weekday cell.
TEST(Inserimento, GiorniDelMeseEGiornoDellaSettimana) {
    const std::tuple<const char*, std::optional<int>, std::optional<std::string>> casi[] = {
        {"1/02/2004", 29, " dom"},
        {"31/04/2021", 30, std::nullopt},  // 31 left chosen on the way to April
        {"5/12/2026", 31, " sab"},
        {"1/13/2004", std::nullopt, std::nullopt},
        {"1/00/2004", std::nullopt, std::nullopt},
        {"/05/", std::nullopt, std::nullopt},
        {"1/05", std::nullopt, std::nullopt},
        {"1/05/2004/", std::nullopt, std::nullopt},
    };
    for (const auto& [testo, giorni, cella] : casi) {
        EXPECT_EQ(GiorniDelMese(testo), giorni) << testo;
        EXPECT_EQ(CellaGiornoDi(testo), cella) << testo;
    }
    EXPECT_EQ(DataDiTesto("07/01/1871"), (Data{7, 1, 1871}));
}

// Two digits a cell: a full cell takes nothing until the next one begins.
TEST(Inserimento, DueCifrePerCella) {
    Digitazione d;
    std::string prese;
    for (char c : std::string("x456"))
        prese += d.Digita(c) ? d.Testo() + (d.Completa() ? "!" : "") + " " : "no ";
    d.Azzera();
    EXPECT_EQ(prese + (d.Digita('0') && d.Digita('7') ? d.Testo() : ""), "no 4 45! no 07");
}

}  // namespace
}  // namespace ruotario
