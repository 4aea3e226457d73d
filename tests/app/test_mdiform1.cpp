#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScrollBar>
#include <numeric>
#include <QPushButton>

#include "app/about.h"
#include "series/file_serie.h"
#include "series/serie.h"
#include "archive/archivia_estrazione.h"
#include "shell/form41.h"
#include "app/mdiform1.h"
#include "shell/msgbox.h"
#include "store/lotto_dat.h"
#include "store/module1.h"
#include "support/archivio_prova.h"
#include "support/msgbox_script.h"

namespace ruotario {
namespace {

using prova::MsgBoxScript;

// A child window that refuses to close while `rifiuta` is set.
struct Ostinata : QWidget, RichiestaChiusura {
    bool rifiuta = true;
    bool QueryUnload() override { return !rifiuta; }
    void closeEvent(QCloseEvent* event) override { event->setAccepted(!rifiuta); }
};

TEST(MDIForm1, MenuBandaETimerComeAlCaricamento) {
    prova::CartellaProva cartella;
    prova::ScriviArchivio(prova::Settimanali(7));
    MDIForm1 principale;
    EXPECT_EQ(principale.windowTitle(), "Ruotario");
    EXPECT_EQ(Module1().DrawCount, 7);
    EXPECT_EQ(Module1().WheelCode[8], "RO");
    QStringList voci;
    for (QAction* azione : principale.menuBar()->actions())
        voci << azione->text() + (azione->menu() ? " con sottovoci" : "");
    EXPECT_EQ(voci, (QStringList{"Esci", "&Estrazioni", "&Archivio Serie", "&About Ruotario..."}));
    EXPECT_EQ(principale.Label9()->text(), " ");
    EXPECT_EQ(principale.Label9()->font().family(), "Arial");
    for (QTimer* timer : {principale.Timer1(), principale.Timer2()})
        EXPECT_EQ(std::pair(timer->interval(), timer->isActive()), std::pair(300, false));

    // The band spans the window, and the toolbar is as tall as the band; the
    // window shrinks again after growing.
    principale.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principale));
    for (int larghezza : {1100, 900}) {
        principale.resize(larghezza, 600);
        QTest::qWait(0);
        EXPECT_EQ(principale.Frame14()->geometry(),
                  QRect(0, 0, larghezza, principale.Toolbar1()->height()));
    }
}

// At its default size the main window holds, without scroll bars, every
// window that opens in it (the widest an analysis of 20 numbers), none of
// which can be maximised; and the whole address of the banner.
TEST(MDIForm1, LaDimensioneInizialeContieneOgniFinestraEIlBanner) {
    prova::CartellaProva cartella;
    prova::ScriviArchivio(prova::Settimanali(200));
    std::vector<int> venti(20);
    std::iota(venti.begin(), venti.end(), 71);
    AccodaSerie(SeriePath(), venti);
    MDIForm1 principale;
    principale.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principale));
    principale.mnuEstra()->trigger();
    principale.mnuSerie()->trigger();
    QTest::mouseClick(Serie::Istanza()->findChild<QWidget*>("Command1_0"), Qt::LeftButton);
    QTest::qWait(0);
    const QList<QMdiSubWindow*> finestre = principale.Area()->subWindowList();
    ASSERT_EQ(finestre.size(), 3);
    for (QMdiSubWindow* finestra : finestre) {
        SCOPED_TRACE(finestra->widget()->objectName().toStdString());
        EXPECT_TRUE(principale.Area()->viewport()->rect().contains(finestra->geometry()));
        EXPECT_FALSE(finestra->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(finestra->minimumSize(), finestra->maximumSize());
    }
    EXPECT_FALSE(principale.Area()->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(principale.Area()->verticalScrollBar()->isVisible());

    principale.Timer1()->start();
    while (principale.Label9()->text() != "WWW.RUOTARIO.EXAMPLE")
        principale.Timer1_Timer();
    EXPECT_LE(principale.Label9()->geometry().right(), principale.Frame14()->width());
}

TEST(MDIForm1, IlBannerSulleEtichetteVere) {
    prova::CartellaProva cartella;
    MDIForm1 principale;
    principale.resize(1000, 600);
    principale.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principale));
    QLabel* etichetta = principale.Label9();
    // Real ticks: the third one starts typing, a quarter of the band in.
    principale.Timer1()->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return etichetta->text() == "W"; }, 3000));
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
    const QImage banda = principale.Frame14()->grab().toImage();
    bool verde = false;
    for (int y = 0; y < banda.height(); ++y)
        for (int x = 0; x < banda.width(); ++x)
            verde = verde || banda.pixelColor(x, y) == QColor(0, 192, 0);
    EXPECT_TRUE(verde);

    for (int tick = 3; tick <= 21; ++tick)
        principale.Timer2_Timer();
    EXPECT_EQ(etichetta->text(), QString(13, ' '));
    EXPECT_FALSE(principale.Toolbar1()->isVisible());
    EXPECT_FALSE(principale.Timer1()->isActive() || principale.Timer2()->isActive());
}

TEST(MDIForm1, UnArchivioTroppoGrandeSiRifiutaAllAvvio) {
    prova::CartellaProva cartella;
    prova::ScriviBytes(LottoDatPath(), std::string(32768 * kDrawRecordSize, '\0'));
    MsgBoxScript script;
    script.Attendi(QString::fromStdString(
                       "L'archivio \"" + LottoDatPath().string() +
                       "\" contiene 32768 estrazioni, più delle 32767 che il programma può "
                       "gestire: non viene usato né modificato. Con \"ruotario-cli esporta\" lo "
                       "si può salvare come testo."),
                   MsgBoxButtons::Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
    MDIForm1 principale;
    EXPECT_EQ(Module1().DrawCount, 0);
}

// The real box, offscreen: its title, text, icon and Italian buttons, and the
// answer the caller gets for each button pressed.
TEST(MsgBox, LaFinestraVeraRispondeColPulsantePremuto) {
    const std::tuple<MsgBoxButtons, MsgBoxIcon, const char*, MsgBoxResult> casi[] = {
        {MsgBoxButtons::YesNo, MsgBoxIcon::Question, "&Sì", MsgBoxResult::Yes},
        {MsgBoxButtons::YesNo, MsgBoxIcon::Critical, "&No", MsgBoxResult::No},
        {MsgBoxButtons::YesNo, MsgBoxIcon::None, "Esc", MsgBoxResult::No},
        {MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, "OK", MsgBoxResult::Ok},
    };
    for (const auto& [pulsanti, icona, premuto, attesa] : casi) {
        SCOPED_TRACE(premuto);
        QStringList visti;
        QMessageBox::Icon iconaVista = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&, premuto = QString(premuto)] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            visti << box->windowTitle() << box->text();
            iconaVista = box->icon();
            for (QAbstractButton* pulsante : box->buttons())
                visti << pulsante->text();
            if (premuto == "Esc") QTest::keyClick(box, Qt::Key_Escape);
            for (QAbstractButton* pulsante : box->buttons())
                if (pulsante->text() == premuto) QTest::mouseClick(pulsante, Qt::LeftButton);
        });
        EXPECT_EQ(MsgBox("Domanda ?", pulsanti, icona), attesa);
        QStringList testi = {"Ruotario", "Domanda ?"};
        testi << (pulsanti == MsgBoxButtons::Ok ? QStringList{"OK"} : QStringList{"&Sì", "&No"});
        EXPECT_EQ(visti, testi);
        const QMessageBox::Icon icone[] = {QMessageBox::NoIcon, QMessageBox::Critical,
                                           QMessageBox::Question, QMessageBox::Warning};
        EXPECT_EQ(iconaVista, icone[static_cast<int>(icona)]);
    }
}

TEST(MDIForm1, EsciNonChiudeNullaSeUnaFinestraRifiuta) {
    prova::CartellaProva cartella;
    MDIForm1 principale;
    principale.show();
    auto* ostinata = new Ostinata;
    QPointer<QWidget> docile(new QWidget);
    principale.AggiungiFinestra(docile);
    principale.AggiungiFinestra(ostinata);
    principale.mnuexit()->trigger();
    QTest::qWait(0);
    EXPECT_TRUE(principale.isVisible());
    EXPECT_FALSE(docile.isNull());

    // Behind a dialog the main window takes no input, its close box included.
    principale.setEnabled(false);
    ostinata->rifiuta = false;
    principale.close();
    EXPECT_TRUE(principale.isVisible());
    principale.setEnabled(true);
    principale.mnuexit()->trigger();
    EXPECT_FALSE(principale.isVisible());
    EXPECT_TRUE(principale.Area()->subWindowList().isEmpty());
}

// With the archive window and another one open, the banner running and a draw
// being entered: only mode 2 answered Yes appends, and then the main window
// reloads, closing its windows and putting the banner at rest.
TEST(ArchiviaEstrazione, SoloIlModo2ConSiAccodaERicarica) {
    enum Caso { Modo1, Modo3, No, Si };
    for (Caso caso : {Modo1, Modo3, No, Si}) {
        SCOPED_TRACE(caso);
        prova::CartellaProva cartella;
        prova::ScriviArchivio(prova::Settimanali(3));
        const std::string prima = prova::LeggiBytes(LottoDatPath());
        MDIForm1 principale;
        principale.show();
        auto* archivio = new QWidget;
        archivio->setObjectName("Archivio");
        principale.AggiungiFinestra(archivio);
        principale.AggiungiFinestra(new QWidget);
        principale.Timer1()->start();
        Module1().EntryPending = 1;
        Module1().CurrentDraw = prova::Estrazione(6, 12, 2026, 5);

        MsgBoxScript script;
        if (caso == Modo1)
            script.Attendi("I dati non sono conformi", MsgBoxButtons::Ok, MsgBoxIcon::Exclamation,
                           MsgBoxResult::Ok);
        if (caso >= No)
            script.Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                           caso == No ? MsgBoxResult::No : MsgBoxResult::Yes);
        int modo = caso == Modo1 ? 1 : caso == Modo3 ? 3 : 2;
        ArchiviaEstrazione(modo);

        const bool accodata = caso == Si;
        EXPECT_EQ(prova::LeggiBytes(LottoDatPath()),
                  accodata ? prima + EncodeDraw(prova::Estrazione(6, 12, 2026, 5)) : prima);
        EXPECT_EQ(Module1().EntryPending, accodata ? 0 : 1);
        EXPECT_EQ(Module1().DrawCount, accodata ? 4 : 3);
        EXPECT_EQ(principale.Area()->subWindowList().size(), accodata ? 0 : 2);
        EXPECT_EQ(principale.Timer1()->isActive(), !accodata);
        EXPECT_TRUE(principale.isVisible() && principale.isEnabled());
    }
}

// About and the loading window each hold the main window: it takes input
// again only when both have let go, whichever goes first.
TEST(Form41, LaFinestraPrincipaleTornaAttivaSoloQuandoNessunoLaTiene) {
    prova::CartellaProva cartella;
    MDIForm1 principale;
    principale.show();
    for (bool primaAbout : {true, false}) {
        About::Mostra();
        Form41::Carica();
        EXPECT_FALSE(principale.isEnabled());
        if (primaAbout)
            About::Istanza()->close();
        else
            Form41::Scarica();
        EXPECT_FALSE(principale.isEnabled()) << primaAbout;
        if (primaAbout)
            Form41::Scarica();
        else
            About::Istanza()->close();
        EXPECT_TRUE(principale.isEnabled()) << primaAbout;
    }
}

TEST(Form41, DisabilitaLaFinestraPrincipaleFinCheEsiste) {
    prova::CartellaProva cartella;
    MDIForm1 principale;
    principale.show();
    Form41* caricamento = Form41::Carica();
    EXPECT_EQ(caricamento->windowTitle(), "Loading....");
    EXPECT_EQ(Form41::Carica(), caricamento);
    EXPECT_FALSE(principale.isEnabled());
    QPointer<Form41> vista(caricamento);
    Form41::Scarica();
    EXPECT_TRUE(principale.isEnabled());
    EXPECT_EQ(Form41::Istanza(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return vista.isNull(); }));

    // Closed by its close box, or destroyed, it lets go of the main window too.
    Form41::Carica()->close();
    EXPECT_TRUE(principale.isEnabled());
    delete Form41::Carica();
    EXPECT_TRUE(principale.isEnabled());
    EXPECT_EQ(Form41::Istanza(), nullptr);
}

}  // namespace
}  // namespace ruotario
