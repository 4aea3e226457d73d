#include <gtest/gtest.h>

#include "store/calendario.h"

namespace ruotario {
namespace {

TEST(Calendario, GiorniDellaSettimanaInItaliano) {
    EXPECT_EQ(NomeGiorno(7, 1, 1871), "sabato");
    EXPECT_EQ(CellaGiorno(7, 1, 1871), " sab");
    EXPECT_EQ(NomeGiorno(13, 3, 2004), "sabato");
    EXPECT_EQ(NomeGiorno(1, 7, 1872), "lunedì");
    EXPECT_EQ(CellaGiorno(1, 7, 1872), " lun");
    EXPECT_EQ(NomeGiorno(6, 12, 2026), "domenica");
    EXPECT_EQ(CellaGiorno(2, 12, 2026), " mer");
    EXPECT_EQ(NomeGiorno(3, 12, 2026), "giovedì");
}

TEST(Calendario, DateImpossibiliSenzaGiorno) {
    EXPECT_TRUE(DataValida(29, 2, 2004));
    EXPECT_FALSE(DataValida(29, 2, 2003));
    EXPECT_FALSE(DataValida(31, 4, 2020));
    EXPECT_FALSE(DataValida(0, 0, 0));
    EXPECT_FALSE(DataValida(1, 13, 2020));
    EXPECT_EQ(CellaGiorno(31, 6, 2020), "");
    EXPECT_EQ(NomeGiorno(-5, 3, 2020), "");
}

TEST(Calendario, UltimoGiornoDelMese) {
    EXPECT_EQ(UltimoGiorno(2, 2004), 29);
    EXPECT_EQ(UltimoGiorno(2, 2003), 28);
    EXPECT_EQ(UltimoGiorno(2, 1900), 28);
    EXPECT_EQ(UltimoGiorno(2, 2000), 29);
    EXPECT_EQ(UltimoGiorno(4, 2021), 30);
    EXPECT_EQ(UltimoGiorno(13, 2021), 31);
    EXPECT_EQ(DataBreve(7, 1, 1871), "07/01/1871");
}

}  // namespace
}  // namespace ruotario
