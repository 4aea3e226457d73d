#include <gtest/gtest.h>

#include <cerrno>

#include "store/archivio.h"
#include "store/errore.h"
#include "store/module1.h"
#include "support/archivio_prova.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using prova::CartellaProva;
using prova::Estrazione;
using prova::IoGuasto;
using Op = prova::IoGuasto::Op;

TEST(Conteggio, ContaSoloRecordInteri) {
    CartellaProva cartella;
    prova::ScriviBytes(ArchivioPath(), "");
    EXPECT_FALSE(ContaEstrazioni());
    EXPECT_EQ(Module1().DrawCount, 0);

    auto draws = prova::Settimanali(3);
    prova::ScriviArchivio(draws);
    EXPECT_FALSE(ContaEstrazioni());
    EXPECT_EQ(Module1().DrawCount, 3);
    EXPECT_EQ(Module1().CurrentDrawIndex, 3);

    for (std::size_t frammento : {1u, 50u, 105u}) {
        prova::ScriviBytes(ArchivioPath(),
                           prova::LeggiBytes(ArchivioPath()).substr(0, 3 * kDrawRecordSize) +
                               std::string(frammento, '\x07'));
        (void)ContaEstrazioni();
        EXPECT_EQ(Module1().DrawCount, 3) << frammento;
    }
}

TEST(Conteggio, ArchivioMancanteCreatoVuoto) {
    CartellaProva cartella;
    (void)ContaEstrazioni();
    EXPECT_EQ(Module1().DrawCount, 0);
    EXPECT_TRUE(std::filesystem::exists(ArchivioPath()));
}

TEST(Conteggio, OltreIlLimiteUsaLePrime32767) {
    CartellaProva cartella;
    prova::ScriviBytes(ArchivioPath(), std::string((kMaxEstrazioni + 2) * kDrawRecordSize, '\0'));
    EXPECT_TRUE(ContaEstrazioni());
    EXPECT_EQ(Module1().DrawCount, 32767);
    EXPECT_STREQ(kMsgArchivioTroppoGrande,
                 "L'archivio contiene più di 32767 estrazioni: vengono usate le prime 32767.");
}

TEST(Conteggio, ErroreDiLetturaLasciaArchivioVuoto) {
    CartellaProva cartella;
    prova::ScriviArchivio(prova::Settimanali(4));
    Module1().DrawCount = 4;
    IoGuasto guasto;
    guasto.Fallisci(Op::Size, EACCES);
    EXPECT_THROW((void)ContaEstrazioni(), Errore);
    EXPECT_EQ(Module1().DrawCount, 0);
}

TEST(Record, PosizioniDeiCampi) {
    DrawRecord draw = prova::EstrazioneVuota(7, 1, 1871);
    draw.Numbers(1, 1) = 11;
    draw.Numbers(5, 1) = 15;
    draw.Numbers(1, 2) = 21;
    draw.Numbers(5, 10) = 90;
    draw.Numbers(3, 7) = -3;
    std::string byte = EncodeDraw(draw);
    ASSERT_EQ(byte.size(), 106u);
    auto a16 = [&](std::size_t offset) {
        return static_cast<std::int16_t>(static_cast<std::uint8_t>(byte[offset]) |
                                         static_cast<std::uint8_t>(byte[offset + 1]) << 8);
    };
    EXPECT_EQ(a16(0), 7);
    EXPECT_EQ(a16(2), 1);
    EXPECT_EQ(a16(4), 1871);
    EXPECT_EQ(a16(6), 11);
    EXPECT_EQ(a16(14), 15);
    EXPECT_EQ(a16(16), 21);
    EXPECT_EQ(a16(104), 90);
    EXPECT_EQ(a16(6 + 2 * (6 * 5 + 2)), -3);
    EXPECT_EQ(DecodeDraw(byte.data()), draw);
}

TEST(Lettura, LeggeIlRecordDelCursore) {
    CartellaProva cartella;
    auto draws = prova::Settimanali(5);
    prova::ScriviArchivio(draws);
    Module1().CurrentDrawIndex = 4;
    LeggiEstrazione();
    EXPECT_EQ(Module1().CurrentDraw, draws[3]);
    EXPECT_EQ(LeggiRecord(ArchivioPath(), 2, 3),
              std::vector<DrawRecord>(draws.begin() + 1, draws.begin() + 4));
}

TEST(Lettura, FuoriDalFileUnErroreNonSpazzatura) {
    CartellaProva cartella;
    prova::ScriviArchivio(prova::Settimanali(2));
    for (int indice : {0, 3, -1}) {
        Module1().CurrentDrawIndex = indice;
        try {
            LeggiEstrazione();
            ADD_FAILURE() << indice;
        } catch (const Errore& errore) {
            EXPECT_NE(std::string(errore.what()).find("Lotto.dat"), std::string::npos);
        }
    }
}

TEST(Accodamento, ScriveDopoLUltimoRecordInteroSovrascrivendoIlFrammento) {
    CartellaProva cartella;
    auto draws = prova::Settimanali(3);
    prova::ScriviArchivio(draws);
    prova::ScriviBytes(ArchivioPath(), prova::LeggiBytes(ArchivioPath()) + "frammento");
    (void)ContaEstrazioni();
    std::string prima = prova::LeggiBytes(ArchivioPath()).substr(0, 3 * kDrawRecordSize);

    Module1().CurrentDraw = Estrazione(6, 12, 2026, 42);
    AccodaEstrazione();
    EXPECT_EQ(Module1().DrawCount, 3);  // until the next count
    EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima + EncodeDraw(Estrazione(6, 12, 2026, 42)));

    (void)ContaEstrazioni();
    EXPECT_EQ(Module1().DrawCount, 4);
    Module1().CurrentDrawIndex = 4;
    LeggiEstrazione();
    EXPECT_EQ(Module1().CurrentDraw, Estrazione(6, 12, 2026, 42));
}

TEST(Accodamento, ScritturaFallitaRiportaIlFileComEra) {
    for (std::size_t parziale : {0u, 40u}) {
        CartellaProva cartella;
        prova::ScriviArchivio(prova::Settimanali(2));
        prova::ScriviBytes(ArchivioPath(), prova::LeggiBytes(ArchivioPath()) + "xyz");
        std::string prima = prova::LeggiBytes(ArchivioPath());
        (void)ContaEstrazioni();
        IoGuasto guasto;
        guasto.Fallisci(Op::WriteAt, ENOSPC);
        guasto.ScritturaParziale(parziale);
        Module1().CurrentDraw = Estrazione(1, 1, 2000, 9);
        try {
            AccodaEstrazione();
            ADD_FAILURE() << "nessun errore";
        } catch (const Errore& errore) {
            EXPECT_EQ(errore.gravita(), Gravita::Critico);
            EXPECT_NE(std::string(errore.what()).find("spazio su disco esaurito"),
                      std::string::npos);
        }
        // The whole records as they were, and the former length.
        std::string dopo = prova::LeggiBytes(ArchivioPath());
        EXPECT_EQ(dopo.size(), prima.size()) << parziale;
        EXPECT_EQ(dopo.substr(0, 2 * kDrawRecordSize), prima.substr(0, 2 * kDrawRecordSize));
    }
}

TEST(Accodamento, ArchivioPienoNonScriveNulla) {
    CartellaProva cartella;
    prova::ScriviBytes(ArchivioPath(), std::string(kMaxEstrazioni * kDrawRecordSize, '\0'));
    (void)ContaEstrazioni();
    ASSERT_EQ(Module1().DrawCount, 32767);
    try {
        AccodaEstrazione();
        ADD_FAILURE() << "nessun errore";
    } catch (const Errore& errore) {
        EXPECT_STREQ(errore.what(),
                     "L'archivio è pieno: non può contenere più di 32767 estrazioni.");
        EXPECT_EQ(errore.gravita(), Gravita::Avviso);
    }
    EXPECT_EQ(std::filesystem::file_size(ArchivioPath()), kMaxEstrazioni * kDrawRecordSize);
}

TEST(Accodamento, ArchivioCambiatoDaAltriNonLasciaBuchiNeSovrascrive) {
    CartellaProva cartella;
    prova::ScriviArchivio(prova::Settimanali(5));
    (void)ContaEstrazioni();
    for (int record : {2, 6, 7}) {
        prova::ScriviArchivio(prova::Settimanali(record));
        const std::string prima = prova::LeggiBytes(ArchivioPath());
        try {
            AccodaEstrazione();
            ADD_FAILURE() << record;
        } catch (const Errore& errore) {
            EXPECT_EQ(errore.what(), "Impossibile aggiungere l'estrazione al file \"" +
                                         ArchivioPath().string() + "\": il file contiene " +
                                         (record < 5 ? "meno" : "più") +
                                         " estrazioni di quelle contate, forse è stato "
                                         "modificato da un altro programma.");
        }
        EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima);
    }
}

TEST(Sostituzione, UnGuastoLasciaIntattoIlVecchioArchivio) {
    for (bool esisteva : {true, false}) {
        CartellaProva cartella;
        if (esisteva) prova::ScriviArchivio(prova::Settimanali(3));
        const auto temporaneo = cartella.File("Lotto.dat.tmp");
        std::string prima = prova::LeggiBytes(ArchivioPath());
        struct Caso {
            Op op;
            int codice;
            std::size_t parziale;
            std::string messaggio;
        };
        const Caso casi[] = {
            {Op::WriteNew, ENOSPC, 500,
             "Impossibile creare il file \"" + temporaneo.string() +
                 "\": spazio su disco esaurito."},
            {Op::WriteNew, EROFS, 0,
             "Impossibile creare il file \"" + temporaneo.string() +
                 "\": il disco è in sola lettura."},
            {Op::Rename, EROFS, 0,
             "Impossibile sostituire il file \"" + ArchivioPath().string() +
                 "\": il disco è in sola lettura."},
        };
        for (const Caso& caso : casi) {
            IoGuasto guasto;
            guasto.Fallisci(caso.op, caso.codice);
            guasto.ScritturaParziale(caso.parziale);
            try {
                SostituisciArchivio(ArchivioPath(), prova::Settimanali(9));
                ADD_FAILURE() << caso.messaggio;
            } catch (const Errore& errore) {
                EXPECT_EQ(errore.what(), caso.messaggio);
            }
            EXPECT_EQ(std::filesystem::exists(ArchivioPath()), esisteva);
            EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima);
            EXPECT_FALSE(std::filesystem::exists(temporaneo));
        }
        SostituisciArchivio(ArchivioPath(), prova::Settimanali(9));
        std::string nuovo;
        for (const DrawRecord& draw : prova::Settimanali(9))
            nuovo += EncodeDraw(draw);
        EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), nuovo);
    }
}

TEST(Ruote, CodiciDaBariAVenezia) {
    ResetModule1();
    CaricaRuote();
    const char* attesi[] = {"BA", "CA", "FI", "GE", "MI", "NA", "PA", "RO", "TO", "VE"};
    for (int w = 1; w <= 10; ++w)
        EXPECT_EQ(Module1().WheelCode[w], attesi[w - 1]);
}

}  // namespace
}  // namespace ruotario
