#include <gtest/gtest.h>

#include "store/calendario.h"
#include "store/module1.h"
#include "store/numerazione.h"
#include "support/archivio_prova.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using prova::Estrazione;

TEST(Numerazione, PrimaEstrazioneDellArchivio) {
    prova::CartellaProva cartella;
    prova::ScriviArchivio(prova::Settimanali(3));
    Numerazione n = NumeraEstrazione(ArchivioPath(), 1);
    EXPECT_EQ(n.Mensile, 1);
    EXPECT_EQ(n.Annuale, 1);
    EXPECT_EQ(n.Cursore, 0);
    EXPECT_EQ(n.UltimoLetto, Estrazione(7, 1, 1871, 0));
}

TEST(Numerazione, FineDiUnMeseConCinqueEstrazioni) {
    prova::CartellaProva cartella;
    prova::ScriviArchivio({Estrazione(20, 12, 2003), Estrazione(27, 12, 2003),
                           Estrazione(3, 1, 2004), Estrazione(10, 1, 2004), Estrazione(17, 1, 2004),
                           Estrazione(24, 1, 2004), Estrazione(31, 1, 2004),
                           Estrazione(7, 2, 2004)});
    Numerazione fine = NumeraEstrazione(ArchivioPath(), 7);
    EXPECT_EQ(fine.Mensile, 5);
    EXPECT_EQ(fine.Annuale, 5);
    // The yearly walk stopped on the last draw of 2003.
    EXPECT_EQ(fine.Cursore, 2);
    EXPECT_EQ(fine.UltimoLetto, Estrazione(27, 12, 2003));
    Numerazione febbraio = NumeraEstrazione(ArchivioPath(), 8);
    EXPECT_EQ(febbraio.Mensile, 1);
    EXPECT_EQ(febbraio.Annuale, 6);
}

TEST(Numerazione, PrimoGennaioDopoTrentunoDicembre) {
    prova::CartellaProva cartella;
    prova::ScriviArchivio(
        {Estrazione(30, 12, 1999), Estrazione(31, 12, 1999), Estrazione(1, 1, 2000)});
    Numerazione n = NumeraEstrazione(ArchivioPath(), 3);
    EXPECT_EQ(n.Mensile, 1);
    EXPECT_EQ(n.Annuale, 1);
    EXPECT_EQ(NumeraEstrazione(ArchivioPath(), 2).Annuale, 2);
}

TEST(Numerazione, IlMeseSiConfrontaDaSolo) {
    // Years without draws between two Januaries: the monthly walk runs on.
    prova::CartellaProva cartella;
    prova::ScriviArchivio(
        {Estrazione(11, 1, 1941), Estrazione(25, 1, 1941), Estrazione(6, 1, 1946)});
    Numerazione n = NumeraEstrazione(ArchivioPath(), 3);
    EXPECT_EQ(n.Mensile, 3);
    EXPECT_EQ(n.Annuale, 1);
}

// `quanti` draws spread over one year (several a day when there are many).
std::vector<DrawRecord> UnAnno(int anno, int quanti) {
    std::vector<DrawRecord> draws;
    for (int i = 0; i < quanti; ++i) {
        int giorno = i * 365 / quanti;
        int mese = 1;
        while (giorno >= UltimoGiorno(mese, anno))
            giorno -= UltimoGiorno(mese++, anno);
        draws.push_back(Estrazione(giorno + 1, mese, anno, i));
    }
    return draws;
}

TEST(Numerazione, FineDiUnAnnoDiCentocinquantaseiEstrazioni) {
    prova::CartellaProva cartella;
    auto draws = UnAnno(2003, 156);
    auto dopo = UnAnno(2004, 10);
    draws.insert(draws.end(), dopo.begin(), dopo.end());
    prova::ScriviArchivio(draws);
    ASSERT_EQ(draws[155].Month, 12);
    Numerazione n = NumeraEstrazione(ArchivioPath(), 156);
    EXPECT_EQ(n.Annuale, 156);
    EXPECT_EQ(n.Mensile, 13);  // 156 x 334 / 365 = 142.7: draws 144 to 156 fall in December
    EXPECT_EQ(NumeraEstrazione(ArchivioPath(), 166).Annuale, 10);
}

TEST(Numerazione, TrecentoEstrazioniInUnAnnoConPocheLetture) {
    prova::CartellaProva cartella;
    auto draws = UnAnno(1990, 100);
    auto pieno = UnAnno(1991, 300);
    draws.insert(draws.end(), pieno.begin(), pieno.end());
    prova::ScriviArchivio(draws);
    prova::IoGuasto conteggio;  // fails nothing, counts the reads
    Numerazione n = NumeraEstrazione(ArchivioPath(), 400);
    EXPECT_EQ(n.Annuale, 300);
    EXPECT_EQ(n.Cursore, 100);
    EXPECT_EQ(n.UltimoLetto, draws[99]);
    EXPECT_LE(conteggio.Chiamate(prova::IoGuasto::Op::Read), 2);
}

}  // namespace
}  // namespace ruotario
