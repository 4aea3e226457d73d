#include <gtest/gtest.h>

#include <QMdiArea>
#include <QTest>
#include <cerrno>

#include "shell/archivia_estrazione.h"
#include "shell/mdiform1.h"
#include "store/archivio.h"
#include "store/module1.h"
#include "support/archivio_prova.h"
#include "support/io_guasto.h"
#include "support/msgbox_script.h"

namespace ruotario {
namespace {

using prova::MsgBoxScript;

// The main window with a stand-in archive window open and a draw being entered.
struct Archiviazione : testing::Test {
    void SetUp() override {
        prova::ScriviArchivio(prova::Settimanali(3));
        principale = std::make_unique<MDIForm1>();
        principale->show();
        auto* archivio = new QWidget;
        archivio->setObjectName("Archivio");
        principale->AggiungiFinestra(archivio);
        Module1().EntryPending = 1;
        Module1().CurrentDraw = prova::Estrazione(6, 12, 2026, 5);
        prima = prova::LeggiBytes(ArchivioPath());
    }

    prova::CartellaProva cartella;
    std::unique_ptr<MDIForm1> principale;
    std::string prima;
    MsgBoxScript script;
};

TEST_F(Archiviazione, Modo1AvvisaSoltanto) {
    script.Attendi("I dati non sono conformi", MsgBoxButtons::Ok, MsgBoxIcon::Exclamation,
                   MsgBoxResult::Ok);
    int modo = 1;
    ArchiviaEstrazione(modo);
    EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima);
    EXPECT_EQ(Module1().EntryPending, 1);
    EXPECT_NE(principale->Finestra("Archivio"), nullptr);
}

TEST_F(Archiviazione, AltriModiNonFannoNulla) {
    for (int modo : {0, 3, -1})
        ArchiviaEstrazione(modo);
    EXPECT_TRUE(script.Mostrati().empty());
    EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima);
}

TEST_F(Archiviazione, Modo2NoLasciaTuttoComEra) {
    script.Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::No);
    int modo = 2;
    ArchiviaEstrazione(modo);
    EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima);
    EXPECT_EQ(Module1().EntryPending, 1);
    EXPECT_NE(principale->Finestra("Archivio"), nullptr);
}

TEST_F(Archiviazione, Modo2SiAccodaChiudeERicarica) {
    script.Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::Yes);
    int modo = 2;
    ArchiviaEstrazione(modo);
    EXPECT_EQ(prova::LeggiBytes(ArchivioPath()),
              prima + EncodeDraw(prova::Estrazione(6, 12, 2026, 5)));
    EXPECT_EQ(Module1().EntryPending, 0);
    EXPECT_EQ(Module1().DrawCount, 4);
    EXPECT_EQ(principale->Finestra("Archivio"), nullptr);
    EXPECT_TRUE(principale->isVisible());
    EXPECT_TRUE(principale->isEnabled());
}

TEST_F(Archiviazione, AccodamentoFallitoNonPerdeLEstrazioneInCorso) {
    prova::IoGuasto guasto;
    guasto.Fallisci(prova::IoGuasto::Op::WriteAt, ENOSPC);
    guasto.ScritturaParziale(30);
    script
        .Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                 MsgBoxResult::Yes)
        .Attendi(QString::fromStdString("Impossibile scrivere il file \"" +
                                        ArchivioPath().string() + "\": spazio su disco esaurito."),
                 MsgBoxButtons::Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
    int modo = 2;
    ArchiviaEstrazione(modo);
    EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima);
    EXPECT_EQ(Module1().EntryPending, 1);
    EXPECT_EQ(Module1().DrawCount, 3);
    EXPECT_NE(principale->Finestra("Archivio"), nullptr);
}

}  // namespace
}  // namespace ruotario
