// The frame and start-up: the main window as it opens, its banner, its
// children and its holds; About; the real message box; the command line.
#include <QtWidgets>

#include "app/about.h"
#include "archive/archivia_estrazione.h"
#include "series/banco_serie.h"
#include "shell/form41.h"
#include "store/lotto_dat.h"
#include "support/msgbox_script.h"
#include "tools/esegui.h"

namespace ruotario {
namespace {

// How many pixels of `immagine` in `zona` have this colour, and where.
std::pair<int, QRect> Dove(const QImage& immagine, const QRect& zona, const QColor& colore) {
    std::pair<int, QRect> trovati;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            if (immagine.pixelColor(x, y) == colore)
                trovati = {trovati.first + 1, trovati.second | QRect(x, y, 1, 1)};
    return trovati;
}

// 14400 by 10000 twips: the main window holds without scroll bars every
// window that opens in it, the widest an analysis of 20 numbers; none can be
// maximised. The band, 1080 twips, spans the window as it grows and shrinks.
TEST(MDIForm1, ComeSiApreContieneOgniFinestra) {
    prova::BancoSerie b(
        200, {{71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90}});
    MDIForm1& p = b.principale;
    QStringList stato = {p.windowTitle(), p.Label9()->text(),
                         QString::fromStdString(Module1().WheelCode[8])};
    for (QAction* azione : p.menuBar()->actions())
        stato << azione->text();
    EXPECT_EQ(stato.join('|'), "Ruotario| |RO|Esci|&Estrazioni|&Archivio Serie|&About Ruotario...");
    EXPECT_EQ(std::tuple(p.size(), p.Timer1()->interval(), p.Timer2()->interval(),
                         p.Timer1()->isActive() || p.Timer2()->isActive()),
              std::tuple(QSize(960, 667), 300, 300, false));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    p.mnuEstra()->trigger();
    b.Premi("Command1_0");
    ASSERT_EQ(p.Area()->subWindowList().size(), 3);
    for (QMdiSubWindow* w : p.Area()->subWindowList())
        EXPECT_TRUE(p.Area()->viewport()->rect().contains(w->geometry()) &&
                    !(w->windowFlags() & Qt::WindowMaximizeButtonHint) &&
                    w->minimumSize() == w->maximumSize());
    EXPECT_FALSE(p.Area()->horizontalScrollBar()->isVisible() ||
                 p.Area()->verticalScrollBar()->isVisible());
    for (int larghezza : {1100, 900}) {
        p.resize(larghezza, 600);
        QTest::qWaitFor([&] { return p.Frame14()->width() == larghezza; });
        EXPECT_EQ(p.Frame14()->geometry(), QRect(0, 0, larghezza, 72));
        EXPECT_EQ(p.Toolbar1()->height(), 72);
    }
}

// On the band, 960 pixels: two idle ticks, the address typed a quarter of the
// way in, in 36 points and whole, the slogan in green; 21 ticks of it end the
// show. Switched on again while it runs, Timer1 keeps its beat.
TEST(MDIForm1, IlBanner) {
    prova::CartellaProva cartella;
    MDIForm1 p;
    p.show();
    QLabel* etichetta = p.Label9();
    p.AccendiBanner();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Timer1()->remainingTime() < 200; }));
    p.AccendiBanner();
    EXPECT_LT(p.Timer1()->remainingTime(), 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return etichetta->text() == "W"; }, 5000));
    EXPECT_EQ(std::pair(etichetta->x(), QFontInfo(etichetta->font()).pointSize()),
              std::pair(240, 36));
    while (etichetta->text() != "WWW.RUOTARIO.EXAMPLE")
        p.Timer1_Timer();
    EXPECT_LE(etichetta->geometry().right(), 960);
    p.Timer1_Timer();
    EXPECT_TRUE(p.Timer2()->isActive() && !p.Timer1()->isActive());
    p.Timer2_Timer();
    EXPECT_EQ(etichetta->text(), "I migliori Software per il Lotto");
    const QImage banda = p.Frame14()->grab().toImage();
    EXPECT_GT(Dove(banda, banda.rect(), QColor(0, 192, 0)).first, 0);
    for (int tick = 2; tick <= 21; ++tick)
        p.Timer2_Timer();
    EXPECT_EQ(etichetta->text(), QString(13, ' '));
    EXPECT_FALSE(p.Toolbar1()->isVisible() || p.Timer1()->isActive() || p.Timer2()->isActive());
}

// A child window that refuses to close while `rifiuta` is set.
struct Ostinata : QWidget, RichiestaChiusura {
    bool rifiuta = true;
    bool QueryUnload() override { return !rifiuta; }
    void closeEvent(QCloseEvent* event) override { event->setAccepted(!rifiuta); }
};

// Esci closes nothing while a window refuses, nor while the main window is
// held behind a dialog, its close box included.
TEST(MDIForm1, EsciNonChiudeNullaSeUnaFinestraRifiuta) {
    prova::CartellaProva cartella;
    MDIForm1 p;
    p.show();
    QPointer<QWidget> docile(new QWidget);
    auto* ostinata = new Ostinata;
    p.AggiungiFinestra(docile);
    p.AggiungiFinestra(ostinata);
    p.mnuexit()->trigger();
    QTest::qWait(0);
    EXPECT_TRUE(p.isVisible() && docile);
    ostinata->rifiuta = false;
    p.Trattieni();
    p.close();
    EXPECT_TRUE(p.isVisible());
    p.Lascia();
    p.mnuexit()->trigger();
    EXPECT_TRUE(!p.isVisible() && p.Area()->subWindowList().isEmpty());
}

// Two windows open, the banner running and a draw being entered. Mode 3
// does nothing; mode 2 answered Yes appends it, and the main window reloads,
// closing its windows and putting the banner at rest. (Mode 1 and a No come
// from the archive window's Salva.)
TEST(ArchiviaEstrazione, IlModo2ConSiAccodaERicarica) {
    prova::BancoSerie b(3, {});
    const std::string prima = prova::LeggiBytes(LottoDatPath());
    b.principale.AggiungiFinestra(new QWidget);
    b.principale.Timer1()->start();
    Module1().EntryPending = 1;
    Module1().CurrentDraw = prova::Estrazione(6, 12, 2026, 5);
    auto Stato = [&] {
        return std::tuple(prova::LeggiBytes(LottoDatPath()), Module1().EntryPending,
                          Module1().DrawCount, b.principale.Area()->subWindowList().size(),
                          b.principale.Timer1()->isActive(), b.principale.isEnabled());
    };
    for (int modo : {3, 2}) {
        prova::MsgBoxScript script;
        if (modo == 2)
            script.Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                           MsgBoxResult::Yes);
        ArchiviaEstrazione(modo);
        EXPECT_EQ(Stato(), modo == 3
                               ? std::tuple(prima, 1, 3, 2, true, true)
                               : std::tuple(prima + EncodeDraw(prova::Estrazione(6, 12, 2026, 5)),
                                            0, 4, 0, false, true));
    }
    EXPECT_TRUE(b.principale.isVisible());
}

// The real box, offscreen: its title, text, Italian buttons and icon, and the
// answer the caller gets for the button pressed (none: Esc).
TEST(MsgBox, LaFinestraVeraRispondeColPulsantePremuto) {
    using B = MsgBoxButtons;
    using I = MsgBoxIcon;
    using R = MsgBoxResult;
    const std::tuple<B, I, QString, R, QMessageBox::Icon> casi[] = {
        {B::YesNo, I::Question, "&Sì", R::Yes, QMessageBox::Question},
        {B::YesNo, I::Critical, "&No", R::No, QMessageBox::Critical},
        {B::YesNo, I::None, "", R::No, QMessageBox::NoIcon},
        {B::Ok, I::Exclamation, "OK", R::Ok, QMessageBox::Warning}};
    for (const auto& [pulsanti, icona, premuto, attesa, iconaQt] : casi) {
        QStringList visti;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            visti << box->windowTitle() + ": " + box->text();
            for (QAbstractButton* pulsante : box->buttons())
                visti << pulsante->text();
            EXPECT_EQ(box->icon(), iconaQt);
            QAbstractButton* scelto = nullptr;
            for (QAbstractButton* pulsante : box->buttons())
                if (pulsante->text() == premuto) scelto = pulsante;
            scelto ? QTest::mouseClick(scelto, Qt::LeftButton)
                   : QTest::keyClick(box, Qt::Key_Escape);
        });
        EXPECT_EQ(MsgBox("Domanda ?", pulsanti, icona), attesa);
        EXPECT_EQ(visti.join(' '),
                  "Ruotario: Domanda ? " + QString(pulsanti == B::Ok ? "OK" : "&Sì &No"));
    }
}

// About: one window, 5490 by 4770 twips, above the main one. The title in
// layers under Label3 (120, 40, 218 by 29 pixels), the rearmost from 35
// pixels in, the front one ten lower and ten further left, 80 lighter; where
// Impact is missing a narrow sans stands in.
TEST(About, SopraLaPrincipaleColTitoloATreDimensioni) {
    prova::CartellaProva cartella;
    MDIForm1 p;
    p.mnuAbout()->trigger();
    QPointer<About> about = About::Istanza();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    p.mnuAbout()->trigger();
    EXPECT_EQ(std::tuple(About::Istanza(), about->windowTitle(), about->size()),
              std::tuple(about.data(), "About Ruotario", QSize(366, 318)));
    EXPECT_TRUE(about->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(About::TestoVersione("Ruotario", 2, 1, 3), "Ruotario   2.13");
    EXPECT_EQ(about->findChild<QLabel*>("Label3")->geometry(), QRect(120, 40, 218, 29));
    EXPECT_EQ(about->InizioTitolo(), QPoint(35, 69));
    const QImage immagine = about->grab().toImage();
    const QRect dietro = Dove(immagine, {0, 58, 366, 70}, QColor(120, 20, 130)).second;
    const QRect davanti = Dove(immagine, {0, 58, 366, 70}, QColor(200, 100, 210)).second;
    EXPECT_TRUE(dietro.top() >= 69 && dietro.top() < 79) << dietro.top();
    EXPECT_TRUE(davanti.left() >= 25 && davanti.left() < 30) << davanti.left();
    EXPECT_EQ(davanti.topRight() - dietro.topRight(), QPoint(-10, 10));
    const QString impact = QFontInfo(QFont("Impact", 25)).family();
    EXPECT_TRUE(
        QString("Impact|DejaVu Sans Condensed|Liberation Sans Narrow").split('|').contains(impact))
        << impact.toStdString();

    // This system has no information tool to start. The caption fits its
    // button; the picture's balls, 1530 by 1740 twips, stay inside its border.
    prova::MsgBoxScript script;
    script.Attendi("System Information Is Unavailable At This Time", MsgBoxButtons::Ok,
                   MsgBoxIcon::None, MsgBoxResult::Ok);
    auto* sysInfo = about->findChild<QPushButton*>("cmdSysInfo");
    QTest::mouseClick(sysInfo, Qt::LeftButton);
    EXPECT_TRUE(about->isVisible());
    EXPECT_GE(sysInfo->width(), sysInfo->sizeHint().width());
    const QImage urna = about->findChild<QLabel*>("Picture2")->grab().toImage();
    EXPECT_EQ(Dove(urna, {101, 0, 1, 116}, QColor(192, 192, 192)).first +
                  Dove(urna, {0, 115, 101, 1}, QColor(192, 192, 192)).first,
              116 + 101);
}

// About and the loading window each hold the main window: it takes input
// again when both have let go, whichever goes first, however they go.
TEST(About, EIlCaricamentoTengonoLaPrincipaleFinoAllUltimo) {
    prova::CartellaProva cartella;
    MDIForm1 p;
    for (bool primaAbout : {true, false}) {
        QPointer<About> about = About::Mostra();
        QPointer<Form41> caricamento = Form41::Carica();
        EXPECT_EQ(std::pair(Form41::Carica(), caricamento->windowTitle()),
                  std::pair(caricamento.data(), QString("Loading....")));
        primaAbout ? QTest::mouseClick(about->findChild<QPushButton*>("Command1"), Qt::LeftButton)
                   : Form41::Scarica();
        EXPECT_FALSE(p.isEnabled()) << primaAbout;
        primaAbout ? Form41::Scarica() : void(about->close());
        EXPECT_TRUE(p.isEnabled() && !Form41::Istanza() && !About::Istanza()) << primaAbout;
        EXPECT_TRUE(QTest::qWaitFor([&] { return caricamento.isNull() && about.isNull(); }));
    }
    Form41::Carica()->close();
    EXPECT_TRUE(p.isEnabled());
    delete Form41::Carica();
    EXPECT_TRUE(p.isEnabled() && !Form41::Istanza());
}

// --version answered and a wrong command line refused without a screen;
// without one, the program says so instead of opening.
TEST(Ruotario, RigaDiComandoESchermo) {
    const std::tuple<std::string, int, std::string, std::string> casi[] = {
        {"--version", 0, "ruotario " RUOTARIO_VERSIONE "\n", ""},
        {"-v >/dev/full", 1, "", ""},
        {"pippo", 2, "",
         "ruotario: argomento non previsto \"pippo\"\nPer l'aiuto: ruotario "
         "--help\n"},
        {"--pippo", 2, "",
         "ruotario: Opzione sconosciuta 'pippo'.\nPer l'aiuto: ruotario "
         "--help\n"},
        {"", 1, "",
         "Ruotario: nessuno schermo disponibile (DISPLAY non impostato): il "
         "programma non può "
         "aprire le sue finestre.\n"}};
    for (const auto& [argomenti, codice, uscita, errori] : casi) {
        const prova::Esito esito = prova::Shell(
            "env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY= "
            "timeout 60 " RUOTARIO_PROGRAMMA " " +
            argomenti);
        EXPECT_EQ(std::tie(esito.codice, esito.uscita, esito.errori),
                  std::tie(codice, uscita, errori));
    }
}

}  // namespace
}  // namespace ruotario
