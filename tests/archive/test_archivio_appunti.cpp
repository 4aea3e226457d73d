#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "finestra_prova.h"

namespace ruotario {
namespace {

using prova::kPerdita;

const QString kAppuntiNonValidi =
    "Attenzione: gli Appunti potrebbero essere vuoti oppure\ri dati caricati non sono validi, "
    "riprova";

QString Sequenza(int da, int a, const QString& separatore = " ") {
    QStringList numeri;
    for (int n = da; n <= a; ++n)
        numeri << QString::number(n);
    return numeri.join(separatore);
}

struct Appunti : prova::FinestraArchivio {
    void SetUp() override {
        Apri({prova::Estrazione(31, 1, 2004, 2)});
        Clic(archivio->Inserisci());
    }
    void Incolla(const QString& testo) {
        QGuiApplication::clipboard()->setText(testo);
        Clic(archivio->ClipB());
    }
    void Fallisce() {
        script.Attendi(kAppuntiNonValidi, MsgBoxButtons::Ok, MsgBoxIcon::Exclamation,
                       MsgBoxResult::Ok);
    }
    QStringList Super() const {
        QStringList celle;
        for (int r = 0; r < 8; ++r)
            celle << archivio->MSFlexGrid2()->TextMatrix(r, 0);
        return celle;
    }
};

TEST_F(Appunti, CinquantaNumeriInOrdineDiRuotaSenzaDomande) {
    Incolla(Sequenza(1, 50));
    EXPECT_EQ(Numeri(), Sequenza(1, 50).split(' '));
    EXPECT_EQ(Super(), QStringList({"1", "11", "21", "26", "31", "36", "Jolly", "46"}));
    EXPECT_EQ(Griglia()->BackColorAt(7, 1), QColor(255, 0, 0));
    EXPECT_EQ(Griglia()->BackColorAt(7, 2), QColor(224, 224, 224));
    EXPECT_EQ(Cursore(), std::make_pair(11, 5));
    EXPECT_EQ(Module1().EntryPending, 1);
    EXPECT_EQ(archivio->windowTitle(), "Inserisci Estrazione");
}

TEST_F(Appunti, OltreIlCinquantesimoEConLettereETabelleDiRuote) {
    Incolla(Sequenza(1, 55, ", "));
    EXPECT_EQ(Numeri().back(), "50");
    EXPECT_EQ(Super().back(), "46");

    const char* ruote[] = {"Bari",   "Cagliari", "Firenze", "Genova", "Milano",
                           "Napoli", "Palermo",  "Roma",    "Torino", "Venezia"};
    QString tabella;
    for (int w = 0; w < 10; ++w)
        tabella += QString(ruote[w]) + "\t" + Sequenza(40 + w * 5, 44 + w * 5, "\t") + "\r\n";
    script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::Yes);
    Incolla(tabella);
    EXPECT_EQ(Numeri(), Sequenza(40, 89).split(' '));

    script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::Yes);
    Incolla("05x" + Sequenza(2, 49, "a") + "b50zz");
    EXPECT_EQ(Numeri().front(), "5");
    EXPECT_EQ(Numeri().back(), "50");
    EXPECT_EQ(Super(), QStringList({"5", "11", "21", "26", "31", "36", "Jolly", "46"}));
}

TEST_F(Appunti, UnaDataInTestaSpostaTuttoEFallisce) {
    Fallisce();
    Incolla("07/01/2004\n" + Sequenza(1, 50));
    EXPECT_EQ(Numeri().mid(0, 5), QStringList({"7", "1", "2004", "1", "2"}));
    EXPECT_EQ(Numeri().back(), "47");
    EXPECT_EQ(Super(), QStringList({"", "", "", "", "", "", "Jolly", ""}));

    script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::Yes);
    Fallisce();
    Incolla("0 " + Sequenza(2, 50));
    EXPECT_EQ(Numeri().front(), "0");
    EXPECT_EQ(Module1().EntryPending, 1);
}

TEST_F(Appunti, AppuntiVuotiOSoloUnImmagine) {
    QGuiApplication::clipboard()->clear();
    Fallisce();
    Clic(archivio->ClipB());
    QImage immagine(4, 4, QImage::Format_RGB32);
    immagine.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(immagine);
    Fallisce();
    Clic(archivio->ClipB());
    EXPECT_EQ(Numeri().join(""), "");
}

TEST_F(Appunti, MenoDiCinquantaNumeriSopraQuelliScritti) {
    QTest::keyClicks(Griglia(), Sequenza(10, 59, ""));
    const QStringList scritti = Numeri();
    ASSERT_EQ(scritti.back(), "59");

    QGuiApplication::clipboard()->setText("70 71 72");
    script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::No);
    Clic(archivio->ClipB());
    EXPECT_EQ(Numeri(), scritti);

    script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::Yes);
    Clic(archivio->ClipB());
    EXPECT_EQ(Numeri(), QStringList({"70", "71", "72"}) + scritti.mid(3));
    // Bari 70, Firenze 20, Milano 30, Napoli 35, Palermo 40, Roma 45, Venezia 55.
    EXPECT_EQ(Super(), QStringList({"20", "30", "35", "40", "45", "70", "Jolly", "55"}));
}

}  // namespace
}  // namespace ruotario
