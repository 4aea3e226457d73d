#include <gtest/gtest.h>

#include "store/module1.h"
#include "support/archivio_prova.h"
#include "tools/esegui.h"

namespace ruotario {
namespace {

using prova::Cli;
using prova::Estrazione;
using prova::Ruota;

struct Mostra : testing::Test {
    void SetUp() override {
        DrawRecord senzaNapoli = Estrazione(4, 1, 2001, 1);
        Ruota(senzaNapoli, 6, {0, 0, 0, 0, 0});
        DrawRecord draw = prova::EstrazioneVuota(6, 1, 2001);
        Ruota(draw, 1, {5, 10, 15, 20, 25});
        Ruota(draw, 3, {5, 33, 1, 2, 3});
        Ruota(draw, 4, {80, 81, 82, 83, 84});
        Ruota(draw, 5, {40, 41, 42, 43, 44});
        Ruota(draw, 6, {50, 51, 52, 53, 54});
        Ruota(draw, 7, {60, 61, 62, 63, 64});
        Ruota(draw, 8, {70, 71, 72, 73, 74});
        Ruota(draw, 9, {86, 87, 88, 89, 90});
        Ruota(draw, 10, {40, 6, 7, 8, 9});
        prova::ScriviArchivio({Estrazione(30, 12, 2000), senzaNapoli, draw}, archivio);
    }

    prova::CartellaProva cartella;
    std::filesystem::path archivio = cartella.File("prova.dat");
};

TEST_F(Mostra, UnaEstrazioneComeLaMostraLaFinestra) {
    auto esito = Cli("mostra 3 --archivio " + archivio.string());
    ASSERT_EQ(esito.codice, 0) << esito.errori;
    EXPECT_EQ(esito.uscita,
              "Estrazione\t3\n"
              "Data\t6\t1\t2001\t sab\n"
              "Annuale\t2\n"
              "Mensile\t2\n"
              "Bari\t5\t10\t15\t20\t25\n"
              "Cagliari\t-\t-\t-\t-\t-\n"
              "Firenze\t5\t33\t1\t2\t3\n"
              "Genova\t80\t81\t82\t83\t84\n"
              "Milano\t40\t41\t42\t43\t44\n"
              "Napoli\t50\t51\t52\t53\t54\n"
              "Palermo\t60\t61\t62\t63\t64\n"
              "Roma\t70\t71\t72\t73\t74\n"
              "Torino\t86\t87\t88\t89\t90\n"
              "Venezia\t40\t6\t7\t8\t9\n"
              "Super Enalotto\t5\t33\t40\t50\t60\t70\n"
              "Jolly\t6\n"
              "Rossi\t2,1\t4,2\t6,1\t7,1\t8,1\t9,1\t11,2\n");
}

TEST_F(Mostra, SuperEnalottoIncompleto) {
    auto esito = Cli("mostra --archivio " + archivio.string() + " 2");
    ASSERT_EQ(esito.codice, 0) << esito.errori;
    EXPECT_NE(esito.uscita.find("Data\t4\t1\t2001\t gio\nAnnuale\t1\nMensile\t1\n"),
              std::string::npos)
        << esito.uscita;
    EXPECT_NE(esito.uscita.find("Napoli\t-\t-\t-\t-\t-\n"), std::string::npos);
    EXPECT_NE(
        esito.uscita.find("Super Enalotto\t - \t - \t - \t - \t - \t - \nJolly\t - \nRossi\n"),
        std::string::npos)
        << esito.uscita;
}

TEST_F(Mostra, NumeriFuoriDallArchivioRifiutati) {
    for (const char* numero : {"0", "4", "-1"}) {
        auto esito = Cli(std::string("mostra ") + numero + " --archivio " + archivio.string());
        EXPECT_EQ(esito.codice, 1) << numero;
        EXPECT_NE(esito.errori.find("L'estrazione " + std::string(numero) + " non esiste"),
                  std::string::npos)
            << esito.errori;
        EXPECT_EQ(esito.uscita, "");
    }
    EXPECT_EQ(Cli("mostra tre --archivio " + archivio.string()).codice, 2);
    EXPECT_EQ(Cli("mostra --archivio " + archivio.string()).codice, 2);
}

}  // namespace
}  // namespace ruotario
