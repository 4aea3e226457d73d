// The archive window's rules that need no window: the Super Enalotto taken
// from the grid's cells, the value of a cell, the numbers of a pasted text, the
// draw composed for saving, and a draw as `ruotario-cli mostra` shows it.
#include <gtest/gtest.h>

#include "archive/appunti.h"
#include "archive/superenalotto.h"
#include "archive/vista.h"
#include "estrazioni_a_mano.h"
#include "tools/esegui.h"

namespace ruotario {
namespace {

// The six, the Jolly and the red cells, for full wheels sharing no number (40
// to 84 from Bari to Torino, 35 to 39 on Venezia) but the first numbers of the
// seven source wheels given and the cells changed: (wheel, position, number).
std::string Super(std::array<int, 7> prime, std::vector<std::array<int, 3>> cambi = {}) {
    ValoriRuote v{};
    for (int w = 0; w < 10; ++w)
        for (int p = 0; p < 5; ++p)
            v[w][p] = 40 + w * 5 + p - (w == 9 ? 50 : 0);
    const int sorgenti[] = {1, 3, 5, 6, 7, 8, 10};
    for (int k = 0; k < 7; ++k)
        cambi.insert(cambi.begin(), {sorgenti[k], 1, prime[k]});
    for (auto [w, p, n] : cambi)
        v[w - 1][p - 1] = n;
    const SuperEnalotto s = DerivaSuperEnalotto(v);
    std::string testo = s.Incompleto ? "incompleto:" : "";
    for (const std::string& n : s.Sei)
        testo += n + "|";
    testo += "Jolly " + s.Jolly + ", rossi";
    for (auto [r, c] : s.Rossi)
        testo += " " + std::to_string(r) + "," + std::to_string(c);
    return testo;
}

TEST(SuperEnalotto, IlPrimoNumeroNonGiaPresoDiOgniRuotaSorgente) {
    // The worked example: the six from the smallest up, the Jolly.
    const std::string esempio = "3|8|12|45|77|90|Jolly 51, rossi 2,1 4,1 6,1 7,1 8,1 9,1 11,1";
    EXPECT_EQ(Super({90, 12, 45, 3, 77, 8, 51}), esempio);
    // Cagliari, Genova (even without numbers) and Torino take no part.
    EXPECT_EQ(Super({90, 12, 45, 3, 77, 8, 51}, {{2, 1, 90}, {2, 2, 90}, {4, 1, 0}, {9, 1, 12}}),
              esempio);
    // Bari's 5 again first on Firenze: Firenze's second number is taken.
    EXPECT_EQ(Super({5, 5, 45, 3, 77, 8, 51}, {{3, 2, 17}}),
              "3|5|8|17|45|77|Jolly 51, rossi 2,1 4,2 6,1 7,1 8,1 9,1 11,1");
    // The Jolly passes over Venezia's numbers already taken.
    EXPECT_EQ(Super({90, 12, 45, 3, 77, 8, 12}, {{10, 2, 90}, {10, 3, 33}}),
              "3|8|12|45|77|90|Jolly 33, rossi 2,1 4,1 6,1 7,1 8,1 9,1 11,3");
}

TEST(SuperEnalotto, IncompletoSenzaNapoliOConUnaRuotaTuttaGiaPresa) {
    const std::string incompleta = "incompleto: - | - | - | - | - | - |Jolly  - , rossi";
    EXPECT_EQ(Super({90, 12, 45, 0, 77, 8, 51}), incompleta);
    // Roma's five all taken: its search ends on the empty sixth column. The
    // picks made are not marked: there is no combination for them to belong to.
    std::vector<std::array<int, 3>> tutte = {{8, 2, 2}, {8, 3, 3}, {8, 4, 4}, {8, 5, 5}};
    EXPECT_EQ(Super({1, 2, 3, 4, 5, 1, 51}, tutte), incompleta);
    // Venezia's too: nothing is read beyond that column.
    for (int p = 2; p <= 5; ++p)
        tutte.push_back({10, p, p});
    EXPECT_EQ(Super({1, 2, 3, 4, 5, 1, 1}, tutte), incompleta);
}

TEST(Celle, IlValoreDiUnaCellaEINumeriGiocabili) {
    std::string valori;
    for (const char* testo : {"07", "-", "--", "", " 45", "12abc", "-3", "99999999999999999999999"})
        valori += std::to_string(ValoreCella(testo)) + " ";
    EXPECT_EQ(valori, "7 0 0 0 45 12 -3 9223372036854775807 ");
    for (const char* testo : {"90", "01"})
        EXPECT_TRUE(NumeroValido(testo)) << testo;
    for (const char* testo : {"0", "00", "91", "", "18446744073709551617"})
        EXPECT_FALSE(NumeroValido(testo)) << testo;
}

// What a window cannot show of a pasted text: a run far too long for a number
// is kept whole (so it is not drawable), digits of other scripts are no digits.
TEST(Celle, NumeriDaTestoSoloLeCifreDaZeroANove) {
    EXPECT_EQ(NumeriDaTesto("Bari: 05 0 000, x0001234567890123456789012345y \u0661\u0662 - 7/"),
              (std::vector<std::string>{"5", "0", "0", "1234567890123456789012345", "7"}));
}

// The date lists cannot offer these; a damaged state could.
TEST(Celle, NessunaEstrazioneSuUnaDataCheNonEsiste) {
    CelleRuote celle;
    for (int w = 0; w < 10; ++w)
        for (int p = 0; p < 5; ++p)
            celle[w][p] = std::to_string(w + 1 + p * 10);
    EXPECT_TRUE(ComponiEstrazione({"29", "02", "2004"}, celle));
    for (auto data : {std::array<std::string, 3>{"", "", ""},
                      {"31", "04", "2004"},
                      {"29", "02", "2003"},
                      {"1", "1", "40000"}})
        EXPECT_FALSE(ComponiEstrazione(data, celle)) << data[0] << "/" << data[1] << "/" << data[2];
}

TEST(Mostra, UnaEstrazioneComeLaMostraLaFinestra) {
    prova::CartellaProva cartella;
    const std::string archivio = " --archivio " + cartella.File("prova.dat").string();
    prova::ScriviArchivio(prova::ArchivioAMano(), cartella.File("prova.dat"));
    auto esito = prova::Cli("mostra 3" + archivio);
    EXPECT_EQ(esito.codice, 0) << esito.errori;
    EXPECT_EQ(esito.uscita, prova::kTerzaAMano);

    for (const char* numero : {"0", "5", "-1"}) {
        esito = prova::Cli(std::string("mostra ") + numero + archivio);
        EXPECT_EQ(esito.codice, 2) << numero;
        EXPECT_NE(esito.errori.find("il numero dell'estrazione deve essere compreso tra 1 e 4, "
                                    "non \"" +
                                    std::string(numero) + "\""),
                  std::string::npos)
            << esito.errori;
        EXPECT_EQ(esito.uscita, "");
    }
}

}  // namespace
}  // namespace ruotario
