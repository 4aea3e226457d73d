#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "shell/about.h"
#include "shell/mdiform1.h"
#include "shell/twips.h"
#include "support/archivio_prova.h"
#include "support/msgbox_script.h"

namespace ruotario {
namespace {

using prova::MsgBoxScript;

struct FinestraAbout : testing::Test {
    void SetUp() override {
        principale.show();
        principale.mnuAbout()->trigger();
        about = About::Istanza();
        ASSERT_NE(about, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    }
    void TearDown() override {
        if (about) about->close();
    }

    prova::CartellaProva cartella;
    MDIForm1 principale;
    QPointer<About> about;
};

TEST_F(FinestraAbout, UnaSolaFinestraSopraLaPrincipaleCheNonRispondeFinoAOK) {
    EXPECT_EQ(about->windowTitle(), "About Ruotario");
    EXPECT_TRUE(about->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(about->size(), QSize(Twips(5490), Twips(4770)));
    principale.mnuAbout()->trigger();
    EXPECT_EQ(About::Istanza(), about.data());
    EXPECT_FALSE(principale.isEnabled());
    EXPECT_FALSE(principale.menuBar()->isEnabled());

    QTest::mouseClick(about->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(principale.isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return about.isNull(); }));

    // Closed any other way, the main window reacts again too.
    principale.mnuAbout()->trigger();
    About::Istanza()->close();
    EXPECT_TRUE(principale.isEnabled());
}

TEST_F(FinestraAbout, TitoloATreDimensioniSottoLaScrittaInAlto) {
    EXPECT_EQ(About::TestoVersione("Ruotario", 1, 0, 0), "Ruotario   1.00");
    EXPECT_EQ(About::TestoVersione("Ruotario", 2, 1, 3), "Ruotario   2.13");
    auto* label3 = about->findChild<QLabel*>("Label3");
    EXPECT_EQ(about->InizioTitolo(), QPoint(35, label3->y() + label3->height()));

    QImage immagine = about->grab().toImage();
    const QColor dietro(120, 20, 130), davanti(200, 100, 210);
    int primaRigaDietro = -1, primaRigaDavanti = -1, primaColonnaDavanti = immagine.width();
    // The band of the title, left of the picture.
    for (int y = about->InizioTitolo().y(); y < about->InizioTitolo().y() + 80; ++y)
        for (int x = 0; x < Twips(3840); ++x) {
            QColor colore = immagine.pixelColor(x, y);
            if (colore == dietro && primaRigaDietro < 0) primaRigaDietro = y;
            if (colore == davanti) {
                if (primaRigaDavanti < 0) primaRigaDavanti = y;
                primaColonnaDavanti = std::min(primaColonnaDavanti, x);
            }
        }
    ASSERT_GT(primaRigaDietro, 0);
    // The front copy lies ten pixels lower than the rearmost one.
    EXPECT_EQ(primaRigaDavanti, primaRigaDietro + 10);
    EXPECT_LT(primaColonnaDavanti, 35);

    // Painted again, it is still there.
    about->repaint();
    EXPECT_EQ(about->grab().toImage(), immagine);
}

TEST_F(FinestraAbout, ImpactSostituitoDaUnNeroBastoniNonDaSimboli) {
    QFont impact("Impact", 25);
    QFontInfo info(impact);
    if (info.family() == "Impact") GTEST_SKIP() << "Impact è installato";
    EXPECT_TRUE(QFontDatabase::writingSystems(info.family()).contains(QFontDatabase::Latin))
        << info.family().toStdString();
    EXPECT_FALSE(QFontDatabase::isFixedPitch(info.family()));
    EXPECT_TRUE(info.family().startsWith("DejaVu Sans") ||
                info.family().startsWith("Liberation Sans"))
        << info.family().toStdString();
}

TEST_F(FinestraAbout, SystemInfoSenzaStrumentoLoDice) {
    MsgBoxScript script;
    script.Attendi("System Information Is Unavailable At This Time", MsgBoxButtons::Ok,
                   MsgBoxIcon::None, MsgBoxResult::Ok);
    QTest::mouseClick(about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(principale.isEnabled());
}

TEST_F(FinestraAbout, CollegamentoEDidascalie) {
    auto* link = about->findChild<QLabel*>("Link");
    EXPECT_TRUE(link->text().contains("Il sito ufficiale del Quintario2000"));
    EXPECT_TRUE(link->text().contains("http://www.ruotario.example/"));
    EXPECT_TRUE(link->openExternalLinks());
    auto* picture2 = about->findChild<QLabel*>("Picture2");
    QMouseEvent movimento(QEvent::MouseMove, QPointF(10, 10),
                          picture2->mapToGlobal(QPointF(10, 10)), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(picture2, &movimento);
    EXPECT_FALSE(picture2->toolTip().isEmpty());
    EXPECT_FALSE(about->findChild<QLabel*>("Label4")->text().isEmpty());
    EXPECT_EQ(about->findChild<QLabel*>("Label3")->font().family(), "Arial");
    EXPECT_TRUE(about->findChild<QLabel*>("Label3")->font().bold());
}

TEST(BandaDelPrincipale, UnCicloSulleEtichetteVere) {
    prova::CartellaProva cartella;
    MDIForm1 principale;
    principale.resize(1000, 600);
    principale.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principale));
    QLabel* etichetta = principale.Label9();

    principale.Timer1()->start();
    // Real ticks: the third one starts typing.
    ASSERT_TRUE(QTest::qWaitFor([&] { return etichetta->text() == "W"; }, 3000));
    principale.Timer1()->stop();
    principale.Timer1()->start();
    EXPECT_EQ(etichetta->x(), principale.Frame14()->width() / 4);
    EXPECT_EQ(etichetta->font().pointSizeF(), 36);

    while (principale.Timer1()->isActive())
        principale.Timer1_Timer();
    EXPECT_TRUE(principale.Timer2()->isActive());
    principale.Timer2_Timer();
    principale.Timer2_Timer();
    EXPECT_EQ(etichetta->text(), "I migliori Software per il Lotto");
    EXPECT_EQ(etichetta->font().pointSizeF(), 11);
    EXPECT_EQ(etichetta->x() + etichetta->width() / 2, principale.Frame14()->width() / 2);
    QImage banda = principale.Frame14()->grab().toImage();
    bool verde = false;
    for (int y = 0; y < banda.height() && !verde; ++y)
        for (int x = 0; x < banda.width() && !verde; ++x)
            verde = banda.pixelColor(x, y) == QColor(0, 192, 0);
    EXPECT_TRUE(verde);

    for (int tick = 3; tick <= 21; ++tick)
        principale.Timer2_Timer();
    EXPECT_FALSE(principale.Timer1()->isActive());
    EXPECT_FALSE(principale.Timer2()->isActive());
    EXPECT_FALSE(principale.Toolbar1()->isVisible());
    EXPECT_EQ(etichetta->text(), QString(13, ' '));
}

}  // namespace
}  // namespace ruotario
