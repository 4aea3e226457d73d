#include <gtest/gtest.h>

#include "esegui.h"
#include "series/archivio_serie.h"
#include "store/archivio.h"
#include "store/module1.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

using prova::Cli;

const std::string kDati = RUOTARIO_DATA_DIR;

TEST(CliArchivio, ImportaContaEsportaSulloStoricoReale) {
    prova::CartellaProva cartella;
    const std::string archivio = " --archivio " + ArchivioPath().string();
    auto importa = Cli("importa" + archivio + " " + kDati + "/storico_1871_1938.txt " + kDati +
                       "/storico.txt");
    ASSERT_EQ(importa.codice, 0) << importa.errori;
    EXPECT_EQ(importa.uscita,
              "Importate 10918 estrazioni in \"" + ArchivioPath().string() + "\".\n");
    EXPECT_EQ(std::filesystem::file_size(ArchivioPath()), 10918 * kDrawRecordSize);
    EXPECT_EQ(Cli("conta" + archivio).uscita, "10918\n");
    auto esporta = Cli("esporta" + archivio);
    EXPECT_EQ(esporta.codice, 0);
    EXPECT_TRUE(esporta.uscita == prova::LeggiBytes(kDati + "/storico_1871_1938.txt") +
                                      prova::LeggiBytes(kDati + "/storico.txt"));
}

TEST(CliArchivio, SostituisceSoloSeRichiestoEDistingueUsoEdErrori) {
    prova::CartellaProva cartella;
    const std::string archivio = " --archivio " + ArchivioPath().string();
    const std::string storico = " " + cartella.File("s.txt").string();
    prova::ScriviBytes(cartella.File("s.txt"), "2001/01/06\tBA\t1\t2\t3\t4\t5\n");
    prova::ScriviArchivio(prova::Settimanali(2));
    const std::string prima = prova::LeggiBytes(ArchivioPath());
    auto rifiuto = Cli("importa" + archivio + storico);
    EXPECT_EQ(rifiuto.codice, 1);
    EXPECT_NE(rifiuto.errori.find("esiste già: per sostituirlo usare --sovrascrivi"),
              std::string::npos);
    EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima);
    EXPECT_EQ(Cli("importa --sovrascrivi" + archivio + storico).codice, 0);
    EXPECT_EQ(ContaRecord(ArchivioPath()), 1);

    // Usage errors give 2, failures 1.
    const std::string usi[] = {"", "sconosciuto", "importa" + archivio, "conta --archivio",
                               "conta --boh"};
    for (const std::string& uso : usi)
        EXPECT_EQ(Cli(uso).codice, 2) << uso;
    auto mancante = Cli("conta --archivio " + cartella.File("nessuno.dat").string());
    EXPECT_EQ(mancante.codice, 1);
    EXPECT_NE(mancante.errori.find("non esiste"), std::string::npos);
}

TEST(CliAnalisi, StampaLaTabellaDellaFinestra) {
    prova::CartellaProva cartella;
    const std::string archivio = " --archivio " + ArchivioPath().string();
    // Bari draws 9 in the second of three draws; every other number is 81..85.
    std::vector<DrawRecord> draws(3, prova::EstrazioneVuota(1, 1, 2000));
    for (auto& d : draws)
        for (int w = 1; w <= kRuote; ++w)
            prova::Ruota(d, w, {81, 82, 83, 84, 85});
    draws[1].Numbers(3, 1) = 9;
    prova::ScriviArchivio(draws);

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
        EXPECT_EQ(rifiuto.codice, 2) << argomenti;
        EXPECT_NE(rifiuto.errori.find(messaggio), std::string::npos) << rifiuto.errori;
    }
}

TEST(CliAnalisi, UltimeCentottantunoEstrazioniEdElencoSerie) {
    prova::CartellaProva cartella;
    const std::string archivio = " --archivio " + ArchivioPath().string();
    prova::ScriviArchivio(prova::Settimanali(200));
    auto predefinito = Cli("analizza --serie 5,6,7,8" + archivio);
    ASSERT_EQ(predefinito.codice, 0) << predefinito.errori;
    EXPECT_EQ(predefinito.uscita,
              Cli("analizza --serie 5,6,7,8 --da 20 --a 200" + archivio).uscita);

    const std::string file = " --file " + SeriePath().string();
    EXPECT_EQ(Cli("serie" + file).uscita, "  Non ci sono Serie da Visualizzare \n");
    AccodaSerie({5, 12, 47});
    AccodaSerie({7});
    EXPECT_EQ(Cli("serie" + file).uscita, "-5 -12-47    S_1\n-7     S_2\n");
}

}  // namespace
}  // namespace ruotario
