// The archive window's rules that need no window: the value of a cell, the
// numbers of a pasted text, the Super Enalotto, and the date lists and digits
// of a draw being typed in.
#include <gtest/gtest.h>

#include "archive/appunti.h"
#include "archive/celle.h"
#include "archive/inserimento.h"
#include "archive/superenalotto.h"

namespace ruotario {
namespace {

// What a window cannot show of a pasted text: a run far too long for a number
// is kept whole (so it is not drawable), digits of other scripts are no digits.
TEST(Celle, IlValoreDiUnaCellaINumeriGiocabiliEQuelliIncollati) {
    std::string valori;
    for (const char* testo : {"07", "-", "--", "", " 45", "12abc", "-3", "99999999999999999999999"})
        valori += std::to_string(ValoreCella(testo)) + " ";
    for (const char* testo : {"90", "01", "0", "00", "91", "", "18446744073709551617"})
        valori += NumeroValido(testo) ? "s" : "n";
    EXPECT_EQ(valori, "7 0 0 0 45 12 -3 9223372036854775807 ssnnnnn");
    EXPECT_EQ(NumeriDaTesto("Bari: 05 0 000, x0001234567890123456789012345y \u0661\u0662 - 9/"),
              (std::vector<std::string>{"5", "0", "0", "1234567890123456789012345", "9"}));
}

// Bari 1, Firenze 2, Milano 3, Napoli 4, Palermo 5, Roma 6 and Venezia 7
// first, every other cell empty but those of the wheels given, the column
// after the fifth number included. A number outside 1..90 gives no
// combination. Nor do Palermo's five all taken, which leave its sixth column,
// and Roma's five and sixth all taken: the search stops there, and Torino's
// 80 is not read for Roma. No combination marks no cell.
TEST(SuperEnalotto, NessunaCombinazioneFuoriIntervalloOConDueRuoteGiaPrese) {
    using Ruote = std::vector<std::pair<int, std::vector<int>>>;
    for (const Ruote& ruote :
         {Ruote{{7, {91}}},
          Ruote{{7, {1, 2, 3, 4, 1, 77}}, {8, {1, 2, 3, 4, 77, 77}}, {9, {80}}}}) {
        ValoriRuote v{};
        for (auto [w, n] : {std::pair{1, 1}, {3, 2}, {5, 3}, {6, 4}, {7, 5}, {8, 6}, {10, 7}})
            v[w - 1][0] = n;
        for (const auto& [w, numeri] : ruote)
            std::copy(numeri.begin(), numeri.end(), v[w - 1].begin());
        const SuperEnalotto s = DerivaSuperEnalotto(v);
        EXPECT_EQ(std::tuple(s.Incompleto, s.Rossi.size(), s.Sei[5], s.Jolly),
                  std::tuple(true, 0u, " - ", " - "));
    }
}

// "d/m/y" as the three lists give it: days in the month ("0": no month),
// the weekday cell ("-": no date; 31 is left chosen on the way to April).
// Two digits a cell: a full cell takes nothing until the next one begins.
TEST(Inserimento, GiorniDelMeseEDueCifrePerCella) {
    std::string esiti;
    for (const char* testo :
         {"1/02/2004", "31/04/2021", "1/13/2004", "1/00/2004", "1/05", "1/05/2004/"})
        esiti += std::to_string(GiorniDelMese(testo).value_or(0)) +
                 CellaGiornoDi(testo).value_or("-") + " ";
    Digitazione d;
    for (char c : std::string("x456"))
        esiti += d.Digita(c) ? d.Testo() + (d.Completa() ? "!" : "") + " " : "no ";
    d.Azzera();
    EXPECT_EQ(esiti + (d.Digita('0') && d.Digita('7') ? d.Testo() : ""),
              "29 dom 30- 0- 0- 0- 0- no 4 45! no 07");
}

}  // namespace
}  // namespace ruotario
