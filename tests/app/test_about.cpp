#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/about.h"
#include "app/mdiform1.h"
#include "shell/twips.h"
#include "support/archivio_prova.h"
#include "support/msgbox_script.h"

namespace ruotario {
namespace {

// The main window with About opened from its menu.
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
    QLabel* Etichetta(const char* nome) const { return about->findChild<QLabel*>(nome); }

    prova::CartellaProva cartella;
    MDIForm1 principale;
    QPointer<About> about;
};

TEST_F(FinestraAbout, UnaSolaFinestraSopraLaPrincipaleCheNonRispondeFinoAOK) {
    EXPECT_EQ(about->windowTitle(), "About Ruotario");
    EXPECT_TRUE(about->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(about->size(), QSize(Twips(5490), Twips(4770)));
    EXPECT_EQ(Etichetta("Link")->text(),
              "<a href=\"http://www.ruotario.example/\">Il sito ufficiale del Quintario2000</a>");
    EXPECT_TRUE(Etichetta("Link")->openExternalLinks());

    principale.mnuAbout()->trigger();
    EXPECT_EQ(About::Istanza(), about.data());
    EXPECT_FALSE(principale.isEnabled());
    // This system has no information tool to start.
    prova::MsgBoxScript script;
    script.Attendi("System Information Is Unavailable At This Time", MsgBoxButtons::Ok,
                   MsgBoxIcon::None, MsgBoxResult::Ok);
    QTest::mouseClick(about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(principale.isEnabled());

    // Its caption fits the button; the picture's balls stay inside it, its
    // border all background.
    auto* sysInfo = about->findChild<QPushButton*>("cmdSysInfo");
    EXPECT_GE(sysInfo->width(), sysInfo->sizeHint().width());
    const QImage urna = Etichetta("Picture2")->grab().toImage();
    for (int i = 0; i < urna.height(); ++i)
        ASSERT_EQ(urna.pixelColor(urna.width() - 1, i), QColor(192, 192, 192)) << i;
    for (int i = 0; i < urna.width(); ++i)
        ASSERT_EQ(urna.pixelColor(i, urna.height() - 1), QColor(192, 192, 192)) << i;

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
    QLabel* label3 = Etichetta("Label3");
    const QPoint inizio = about->InizioTitolo();
    EXPECT_EQ(inizio, QPoint(35, label3->y() + label3->height()));

    // In the band of the title, left of the picture: the rearmost layer and,
    // ten pixels lower and further left, the front one, 80 lighter.
    QImage immagine = about->grab().toImage();
    const QColor dietro(120, 20, 130), davanti(200, 100, 210);
    int rigaDietro = -1, rigaDavanti = -1, colonnaDavanti = immagine.width();
    for (int y = inizio.y(); y < inizio.y() + 80; ++y)
        for (int x = 0; x < Twips(3840); ++x) {
            QColor colore = immagine.pixelColor(x, y);
            if (colore == dietro && rigaDietro < 0) rigaDietro = y;
            if (colore == davanti) {
                if (rigaDavanti < 0) rigaDavanti = y;
                colonnaDavanti = std::min(colonnaDavanti, x);
            }
        }
    ASSERT_GT(rigaDietro, 0);
    EXPECT_EQ(rigaDavanti, rigaDietro + 10);
    EXPECT_LT(colonnaDavanti, 35);
    about->repaint();
    EXPECT_EQ(about->grab().toImage(), immagine);

    // Where Impact is missing, a bold sans stands in, never a symbol font.
    QFontInfo impact(QFont("Impact", 25));
    if (impact.family() != "Impact") {
        EXPECT_TRUE(impact.family().startsWith("DejaVu Sans") ||
                    impact.family().startsWith("Liberation Sans"))
            << impact.family().toStdString();
    }
}

}  // namespace
}  // namespace ruotario
