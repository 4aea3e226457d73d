#include <gtest/gtest.h>

#include "series/archivio_serie.h"
#include "support/archivio_prova.h"
#include "tools/esegui.h"

namespace ruotario {
namespace {

using prova::Cli;

TEST(CliAnalisi, StampaLaTabellaDellaFinestra) {
    prova::CartellaProva cartella;
    const std::string archivio = " --archivio " + cartella.File("Lotto.dat").string();
    // Bari draws 9 in the second of three draws; every other number is 81..85.
    std::vector<DrawRecord> draws(3, prova::EstrazioneVuota(1, 1, 2000));
    for (auto& d : draws)
        for (int w = 1; w <= kRuote; ++w)
            prova::Ruota(d, w, {81, 82, 83, 84, 85});
    draws[1].Numbers(3, 1) = 9;
    prova::ScriviArchivio(draws, cartella.File("Lotto.dat"));

    auto esito = Cli("analizza --serie 9" + archivio);
    ASSERT_EQ(esito.codice, 0) << esito.errori;
    std::string attesa = "9\tRit.\tSort.\tStor.\nBA\t1\t1\t1\n";
    for (const char* ruota : {"CA", "FI", "GE", "MI", "NA", "PA", "RO", "TO", "VE"})
        attesa += std::string(ruota) + "\t3\t0\t3\n";
    EXPECT_EQ(esito.uscita, attesa + "Tutte\t1\t\t1\nSom\t28\t1\t\n");
    EXPECT_EQ(Cli("analizza --serie 9 --da 2 --a 2" + archivio).uscita.substr(0, 28),
              "9\tRit.\tSort.\tStor.\nBA\t0\t1\t0\n");

    const std::pair<std::string, std::string> sbagliati[] = {
        {"--serie 5,91", "numero della serie non valido: \"91\" (ammesso da 1 a 90)"},
        {"--serie 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21",
         "una serie contiene al massimo 20 numeri, indicati 21"},
        {"", "indicare la serie con --serie"},
        {"--serie 5 --a 4", "fine dell'intervallo non valido: \"4\" (ammesso da 1 a 3)"},
        {"--serie 5 --da 3 --a 2", "intervallo rovesciato: l'inizio 3 viene dopo la fine 2"},
    };
    for (const auto& [argomenti, messaggio] : sbagliati) {
        auto rifiuto = Cli("analizza " + argomenti + archivio);
        EXPECT_NE(rifiuto.codice, 0) << argomenti;
        EXPECT_NE(rifiuto.errori.find(messaggio), std::string::npos) << rifiuto.errori;
    }
}

TEST(CliAnalisi, UltimeCentottantunoEstrazioniEdElencoSerie) {
    prova::CartellaProva cartella;
    const std::string archivio = " --archivio " + cartella.File("Lotto.dat").string();
    prova::ScriviArchivio(prova::Settimanali(200), cartella.File("Lotto.dat"));
    auto predefinito = Cli("analizza --serie 5,6,7,8" + archivio);
    ASSERT_EQ(predefinito.codice, 0) << predefinito.errori;
    EXPECT_EQ(predefinito.uscita,
              Cli("analizza --serie 5,6,7,8 --da 20 --a 200" + archivio).uscita);

    const std::string file = " --file " + cartella.File("Serie").string();
    EXPECT_EQ(Cli("serie" + file).uscita, "  Non ci sono Serie da Visualizzare \n");
    AccodaSerie({5, 12, 47});
    AccodaSerie({7});
    EXPECT_EQ(Cli("serie" + file).uscita, "-5 -12-47    S_1\n-7     S_2\n");
}

}  // namespace
}  // namespace ruotario
