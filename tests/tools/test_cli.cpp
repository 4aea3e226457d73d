#include <gtest/gtest.h>

#include "esegui.h"
#include "store/archivio.h"
#include "store/storico.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

using prova::Cli;

const std::string kDati = RUOTARIO_DATA_DIR;

TEST(CliArchivio, ImportaContaEsportaSulloStoricoReale) {
    prova::CartellaProva cartella;
    const std::string archivio = cartella.File("Lotto.dat").string();
    auto importa = Cli("importa --archivio " + archivio + " " + kDati + "/storico_1871_1938.txt " +
                       kDati + "/storico.txt");
    ASSERT_EQ(importa.codice, 0) << importa.errori;
    EXPECT_EQ(importa.uscita, "Importate 10918 estrazioni in \"" + archivio + "\".\n");
    EXPECT_EQ(std::filesystem::file_size(archivio), 10918 * kDrawRecordSize);

    auto conta = Cli("conta --archivio " + archivio);
    EXPECT_EQ(conta.codice, 0);
    EXPECT_EQ(conta.uscita, "10918\n");

    auto esporta = Cli("esporta --archivio " + archivio);
    EXPECT_EQ(esporta.codice, 0);
    EXPECT_TRUE(esporta.uscita == prova::LeggiBytes(kDati + "/storico_1871_1938.txt") +
                                      prova::LeggiBytes(kDati + "/storico.txt"));
}

TEST(CliArchivio, NonSostituisceUnArchivioSenzaPermesso) {
    prova::CartellaProva cartella;
    const auto archivio = cartella.File("Lotto.dat");
    const auto storico = cartella.File("s.txt");
    prova::ScriviBytes(storico, "2001/01/06\tBA\t1\t2\t3\t4\t5\n");
    prova::ScriviArchivio(prova::Settimanali(2), archivio);
    std::string prima = prova::LeggiBytes(archivio);

    auto rifiuto = Cli("importa --archivio " + archivio.string() + " " + storico.string());
    EXPECT_EQ(rifiuto.codice, 1);
    EXPECT_NE(rifiuto.errori.find("esiste già: per sostituirlo usare --sovrascrivi"),
              std::string::npos);
    EXPECT_EQ(prova::LeggiBytes(archivio), prima);

    auto sostituzione =
        Cli("importa --sovrascrivi --archivio " + archivio.string() + " " + storico.string());
    EXPECT_EQ(sostituzione.codice, 0) << sostituzione.errori;
    EXPECT_EQ(ContaRecord(archivio), 1);
}

TEST(CliArchivio, UnTestoSbagliatoNonScriveNulla) {
    prova::CartellaProva cartella;
    const auto archivio = cartella.File("Lotto.dat");
    const auto storico = cartella.File("s.txt");
    prova::ScriviBytes(storico, "2001/01/06\tBA\t1\t2\t3\t4\t5\n2001/01/06\tZZ\t1\t2\t3\t4\t5\n");
    auto esito = Cli("importa --archivio " + archivio.string() + " " + storico.string());
    EXPECT_EQ(esito.codice, 1);
    EXPECT_NE(esito.errori.find("riga 2: ruota sconosciuta \"ZZ\""), std::string::npos)
        << esito.errori;
    EXPECT_FALSE(std::filesystem::exists(archivio));
    EXPECT_FALSE(std::filesystem::exists(cartella.File("Lotto.dat.tmp")));
}

TEST(CliArchivio, ArgomentiSbagliati) {
    prova::CartellaProva cartella;
    EXPECT_EQ(Cli("").codice, 2);
    EXPECT_EQ(Cli("sconosciuto").codice, 2);
    EXPECT_EQ(Cli("importa --archivio " + cartella.File("x").string()).codice, 2);
    EXPECT_EQ(Cli("conta --archivio").codice, 2);
    EXPECT_EQ(Cli("conta --boh").codice, 2);
    auto mancante = Cli("conta --archivio " + cartella.File("nessuno.dat").string());
    EXPECT_EQ(mancante.codice, 1);
    EXPECT_NE(mancante.errori.find("non esiste"), std::string::npos);
}

}  // namespace
}  // namespace ruotario
