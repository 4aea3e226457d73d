#include <gtest/gtest.h>

#include "esegui.h"
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

TEST(CliArchivio, RifiutiSenzaScrivereNulla) {
    prova::CartellaProva cartella;
    const std::string archivio = " --archivio " + ArchivioPath().string();
    const std::string buono = " " + cartella.File("buono.txt").string();
    const std::string cattivo = " " + cartella.File("cattivo.txt").string();
    prova::ScriviBytes(cartella.File("buono.txt"), "2001/01/06\tBA\t1\t2\t3\t4\t5\n");
    prova::ScriviBytes(cartella.File("cattivo.txt"),
                       "2001/01/06\tBA\t1\t2\t3\t4\t5\n2001/01/06\tZZ\t1\t2\t3\t4\t5\n");
    // A bad text: nothing written, not even the temporary file.
    auto esito = Cli("importa" + archivio + cattivo);
    EXPECT_EQ(esito.codice, 1);
    EXPECT_NE(esito.errori.find("cattivo.txt\", riga 2: ruota sconosciuta \"ZZ\""),
              std::string::npos)
        << esito.errori;
    EXPECT_FALSE(std::filesystem::exists(ArchivioPath()));
    EXPECT_FALSE(std::filesystem::exists(ArchivioPath().string() + ".tmp"));

    // An archive is replaced only when asked to.
    prova::ScriviArchivio(prova::Settimanali(2));
    const std::string prima = prova::LeggiBytes(ArchivioPath());
    auto rifiuto = Cli("importa" + archivio + buono);
    EXPECT_EQ(rifiuto.codice, 1);
    EXPECT_NE(rifiuto.errori.find("esiste già: per sostituirlo usare --sovrascrivi"),
              std::string::npos);
    EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima);
    EXPECT_EQ(Cli("importa --sovrascrivi" + archivio + buono).codice, 0);
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

}  // namespace
}  // namespace ruotario
