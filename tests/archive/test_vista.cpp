#include <gtest/gtest.h>

#include "archive/vista.h"
#include "store/module1.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

using prova::Estrazione;
using prova::Ruota;

TEST(VistaEstrazione, DataGiornoENumeriComeLiMostraLaGriglia) {
    DrawRecord draw = Estrazione(7, 1, 1871, 3);
    Ruota(draw, 1, {0, 0, 0, 0, 0});
    Ruota(draw, 4, {90, -1, 5, 0, 12});
    VistaEstrazione vista = VistaDi(draw);
    EXPECT_EQ(vista.Data, (std::array<std::string, 3>{"7", "1", "1871"}));
    EXPECT_EQ(vista.CellaGiorno, " sab");
    EXPECT_EQ(vista.Numeri[0], (std::array<std::string, 5>{"-", "-", "-", "-", "-"}));
    EXPECT_EQ(vista.Numeri[3], (std::array<std::string, 5>{"90", "-", "5", "-", "12"}));
}

TEST(VistaEstrazione, UnaDataImpossibileLasciaVuotoIlGiorno) {
    VistaEstrazione vista = VistaDi(Estrazione(31, 4, 2020));
    EXPECT_EQ(vista.Data, (std::array<std::string, 3>{"31", "4", "2020"}));
    EXPECT_EQ(vista.CellaGiorno, "");
    EXPECT_EQ(VistaDi(prova::EstrazioneVuota(0, 0, 0)).CellaGiorno, "");
}

// The fifty cells of a valid draw: wheel w holds w, w+10, ..., w+40.
CelleRuote Valide() {
    CelleRuote celle;
    for (int w = 0; w < 10; ++w)
        for (int p = 0; p < 5; ++p)
            celle[w][p] = std::to_string(w + 1 + p * 10);
    return celle;
}

TEST(ComponiEstrazione, UnaEstrazioneCompletaEConforme) {
    CelleRuote celle = Valide();
    celle[0][0] = "07";
    auto draw = ComponiEstrazione({"13", "03", "2004"}, celle);
    ASSERT_TRUE(draw);
    EXPECT_EQ(draw->Day, 13);
    EXPECT_EQ(draw->Month, 3);
    EXPECT_EQ(draw->Year, 2004);
    EXPECT_EQ(draw->Numbers(1, 1), 7);
    EXPECT_EQ(draw->Numbers(5, 10), 50);
    // 12 on Bari and on Roma is fine.
    celle[0][1] = "12";
    celle[7][1] = "12";
    EXPECT_TRUE(ComponiEstrazione({"13", "03", "2004"}, celle));
}

TEST(ComponiEstrazione, CelleNonConformi) {
    for (const char* cattiva : {"00", "0", "91", "", "-"}) {
        CelleRuote celle = Valide();
        celle[6][3] = cattiva;
        EXPECT_FALSE(ComponiEstrazione({"13", "03", "2004"}, celle)) << cattiva;
    }
    CelleRuote doppio = Valide();
    doppio[4][0] = "12";
    doppio[4][4] = "12";
    EXPECT_FALSE(ComponiEstrazione({"13", "03", "2004"}, doppio));
}

TEST(ComponiEstrazione, UnaDataCheNonEsiste) {
    EXPECT_FALSE(ComponiEstrazione({"", "", ""}, Valide()));
    EXPECT_FALSE(ComponiEstrazione({"31", "04", "2004"}, Valide()));
    EXPECT_FALSE(ComponiEstrazione({"29", "02", "2003"}, Valide()));
    EXPECT_TRUE(ComponiEstrazione({"29", "02", "2004"}, Valide()));
    EXPECT_FALSE(ComponiEstrazione({"1", "1", "40000"}, Valide()));
}

TEST(SchedaEstrazione, TuttoQuelloCheLaFinestraMostra) {
    prova::CartellaProva cartella;
    DrawRecord draw = Estrazione(24, 1, 2004, 1);
    Ruota(draw, 1, {90, 1, 2, 3, 4});
    Ruota(draw, 3, {12, 5, 6, 7, 8});
    Ruota(draw, 5, {45, 9, 10, 11, 13});
    Ruota(draw, 6, {3, 14, 15, 16, 17});
    Ruota(draw, 7, {77, 18, 19, 20, 21});
    Ruota(draw, 8, {8, 22, 23, 24, 25});
    Ruota(draw, 10, {90, 51, 26, 27, 28});
    prova::ScriviArchivio({Estrazione(27, 12, 2003), Estrazione(10, 1, 2004, 2),
                           Estrazione(17, 1, 2004, 3), draw, Estrazione(31, 1, 2004, 4)});
    SchedaEstrazione scheda = SchedaDi(ArchivioPath(), 4);
    EXPECT_EQ(scheda.Record, 4);
    EXPECT_EQ(scheda.Vista.CellaGiorno, " sab");
    EXPECT_EQ(scheda.Vista.Numeri[9][1], "51");
    EXPECT_EQ(scheda.Super.Sei, (std::array<std::string, 6>{"3", "8", "12", "45", "77", "90"}));
    EXPECT_EQ(scheda.Super.Jolly, "51");
    EXPECT_EQ(scheda.Numeri.Annuale, 3);
    EXPECT_EQ(scheda.Numeri.Mensile, 3);
}

}  // namespace
}  // namespace ruotario
