// The frame and start-up: the main window as it opens, its banner, its
// children and its holds; About; the real message box; the command line.

#include "app/about.h"
#include "series/banco_serie.h"
#include "shell/disegni.h"
#include "shell/form41.h"
#include "support/cella_vista.h"
#include "tools/esegui.h"

namespace ruotario {
namespace {

using prova::S;

// How many pixels of `immagine` in `zona` have this colour, and where.
std::pair<int, QRect> Dove(const QImage& immagine, const QRect& zona, const QColor& colore) {
    std::pair<int, QRect> trovati;
    for (int y = zona.top(); y <= zona.bottom(); ++y)
        for (int x = zona.left(); x <= zona.right(); ++x)
            if (immagine.pixelColor(x, y) == colore)
                trovati = {trovati.first + 1, trovati.second | QRect(x, y, 1, 1)};
    return trovati;
}

// At load: the title, the band (1080 twips) at rest, the wheel codes, both
// timers off, the menu. 14400 by 10000 twips: the main window holds without
// scroll bars every window that opens in it, the widest an analysis of 20
// numbers; none can be maximised. Narrower, the band follows. Esci closes
// nothing while a window refuses (the archive, a draw being entered), nor
// while the main window is held behind a dialog, its close box included.
TEST(MDIForm1, ContieneOgniFinestraEChiudeSoloSeTutteAcconsentono) {
    prova::BancoSerie b(
        200, {{71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90}});
    MDIForm1& p = b.principale;
    QString stato = S(p.windowTitle(), p.Label9()->text(), Module1().WheelCode[8].c_str(),
                      p.Frame14()->geometry(), p.Toolbar1()->height(), p.Timer1()->interval(),
                      p.Timer2()->interval(), p.Timer1()->isActive() || p.Timer2()->isActive());
    for (QAction* azione : p.menuBar()->actions())
        stato = S(stato, azione->text());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    p.mnuEstra()->trigger();
    b.Premi("Command1_0");
    for (QMdiSubWindow* w : p.Area()->subWindowList())
        stato = S(stato, p.Area()->viewport()->rect().contains(w->geometry()),
                  w->windowFlags().testFlag(Qt::WindowMaximizeButtonHint),
                  w->minimumSize() == w->maximumSize());
    stato = S(stato, p.size(), p.Area()->horizontalScrollBar()->isVisible(),
              p.Area()->verticalScrollBar()->isVisible());
    p.resize(900, 600);
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Frame14()->width() == 900; }));
    prova::MsgBoxScript script;
    for (MsgBoxResult risposta : {MsgBoxResult::No, MsgBoxResult::Yes})
        script.Attendi(
            "Gestione Archivio: i dati che hai inserito andranno persi !\nVuoi continuare?",
            MsgBoxButtons::YesNo, MsgBoxIcon::Critical, risposta);
    QTest::mouseClick(Archivio::Istanza()->Inserisci(), Qt::LeftButton);
    p.mnuexit()->trigger();
    stato = S(stato, p.Frame14()->geometry(), p.isVisible(), p.Area()->subWindowList().size());
    p.Trattieni();
    p.close();
    stato = S(stato, p.isVisible());
    p.Lascia();
    p.mnuexit()->trigger();
    EXPECT_EQ(S(stato, p.isVisible(), p.Area()->subWindowList().size()),
              "Ruotario   RO QRect(0,0 960x72) 72 300 300 false Esci &Estrazioni &Archivio Serie "
              "&About Ruotario... true false true true false true true false true QSize(960, 667) "
              "false false QRect(0,0 900x72) true 3 true false 0");
}

// On the band, 960 pixels: two idle ticks, the address typed a quarter of the
// way in, in 36 points and whole, then the slogan in green, on Timer2.
// Switched on again while it runs, Timer1 keeps its beat.
TEST(MDIForm1, IlBanner) {
    prova::CartellaProva cartella;
    MDIForm1 p;
    p.show();
    QLabel* e = p.Label9();
    p.AccendiBanner();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Timer1()->remainingTime() < 200; }));
    p.AccendiBanner();
    EXPECT_LT(p.Timer1()->remainingTime(), 200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return e->text() == "W"; }, 5000));
    QString visto = S(e->x(), QFontInfo(e->font()).pointSize());
    while (e->text() != "WWW.RUOTARIO.EXAMPLE")
        p.Timer1_Timer();
    visto = S(visto, e->geometry().right() <= 960);
    p.Timer1_Timer();
    p.Timer2_Timer();
    const QImage banda = p.Frame14()->grab().toImage();
    visto = S(visto, p.Timer1()->isActive(), p.Timer2()->isActive(), e->text(),
              Dove(banda, banda.rect(), QColor(0, 192, 0)).first > 0);
    EXPECT_EQ(visto, "240 36 true false true I migliori Software per il Lotto true");
}

// The real box, offscreen: its title, text, icon and Italian buttons, and the
// answer the caller gets for the key pressed: a button's letter, Esc, Enter.
TEST(MsgBox, LaFinestraVeraRispondeColPulsantePremuto) {
    using B = MsgBoxButtons;
    using I = MsgBoxIcon;
    using R = MsgBoxResult;
    const std::tuple<B, I, Qt::Key, R, QString> casi[] = {
        {B::YesNo, I::Question, Qt::Key_S, R::Yes, "QMessageBox::Question &Sì &No"},
        {B::YesNo, I::Critical, Qt::Key_N, R::No, "QMessageBox::Critical &Sì &No"},
        {B::YesNo, I::None, Qt::Key_Escape, R::No, "QMessageBox::NoIcon &Sì &No"},
        {B::Ok, I::Exclamation, Qt::Key_Return, R::Ok, "QMessageBox::Warning OK"}};
    SetMsgBoxResponder(nullptr);
    for (const auto& [pulsanti, icona, tasto, risposta, attesa] : casi) {
        QString vista;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            vista = S(box->windowTitle(), box->text(), box->icon());
            for (QAbstractButton* pulsante : box->buttons())
                vista = S(vista, pulsante->text());
            QTest::keyClick(box, tasto);
            QTimer::singleShot(1000, box, &QMessageBox::reject);  // a key that found no button
        });
        EXPECT_EQ(MsgBox("Domanda ?", pulsanti, icona), risposta);
        EXPECT_EQ(vista, "Ruotario Domanda ? " + attesa);
    }
    SetMsgBoxResponder(prova::NessunaBoxAttesa());
}

// About, one window however often it is asked for. The title, "Ruotario" and
// the version (2.13 for 2.1.3), in layers below Label3: the rearmost from 35
// pixels in, under 69, the front one ten lower and ten further left, 80
// lighter; where Impact is missing a narrow sans stands in. This system has
// no information tool to start. The caption fits its button; the picture's
// balls, 1530 by 1740 twips, stay inside its border. About and the loading
// window each hold the main window: it takes input again when both have let
// go, whichever goes first, however they go.
TEST(About, TitoloATreDimensioniEPrincipaleTrattenuta) {
    prova::CartellaProva cartella;
    MDIForm1 p;
    p.mnuAbout()->trigger();
    QPointer<About> about = About::Istanza();
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
    p.mnuAbout()->trigger();
    const QImage immagine = about->grab().toImage();
    const QRect dietro = Dove(immagine, {0, 58, 366, 70}, QColor(120, 20, 130)).second;
    const QRect davanti = Dove(immagine, {0, 58, 366, 70}, QColor(200, 100, 210)).second;
    const QString impact = QFontInfo(QFont("Impact", 25)).family();
    prova::MsgBoxScript script;
    script.Attendi("System Information Is Unavailable At This Time", MsgBoxButtons::Ok,
                   MsgBoxIcon::None, MsgBoxResult::Ok);
    auto* sysInfo = about->findChild<QPushButton*>("cmdSysInfo");
    QTest::mouseClick(sysInfo, Qt::LeftButton);
    const QImage urna = about->findChild<QLabel*>("Picture2")->grab().toImage();
    const QColor grigio(192, 192, 192);
    QString visto = S(
        About::Istanza() == about, about->isVisible(), About::TestoVersione("Ruotario", 2, 1, 3),
        about->InizioTitolo(), dietro.top() >= 69 && dietro.top() < 79,
        davanti.left() >= 25 && davanti.left() < 30, davanti.topRight() - dietro.topRight(),
        QString("Impact|DejaVu Sans Condensed|Liberation Sans Narrow").split('|').contains(impact),
        sysInfo->width() >= sysInfo->sizeHint().width(), Dove(urna, {101, 0, 1, 116}, grigio).first,
        Dove(urna, {0, 115, 101, 1}, grigio).first);
    // A ball's dark number stands in its middle half, none of it in the outer quarters.
    const QImage palla = Pallina(40, "88").toImage();
    const QColor inchiostro(60, 0, 70);
    visto = S(visto, Dove(palla, {0, 0, 10, 40}, inchiostro).first,
              Dove(palla, {30, 0, 10, 40}, inchiostro).first,
              Dove(palla, {10, 0, 20, 40}, inchiostro).first > 20);
    for (bool primaAbout : {true, false}) {
        about = About::Mostra();
        QPointer<Form41> caricamento = Form41::Carica();
        visto = S(visto, Form41::Carica() == caricamento, p.isEnabled());
        // The loading window gone for good while About still holds.
        primaAbout
            ? QTest::mouseClick(about->findChild<QPushButton*>("Command1"), Qt::LeftButton)
            : void((Form41::Scarica(), QTest::qWaitFor([&] { return caricamento.isNull(); })));
        visto = S(visto, p.isEnabled());
        primaAbout ? Form41::Scarica() : void(about->close());
        visto = S(visto, p.isEnabled());  // before the last one is deleted
        visto = S(visto, QTest::qWaitFor([&] { return caricamento.isNull() && about.isNull(); }));
    }
    Form41::Carica()->close();
    visto = S(visto, p.isEnabled());
    delete Form41::Carica();
    EXPECT_EQ(S(visto, p.isEnabled(), Form41::Istanza() == nullptr),
              "true true Ruotario   2.13 QPoint(35,69) true true QPoint(-10,10) true true 116 101 "
              "0 0 true "
              "true false false true true true false false true true true true true");
}

// --version answered and a wrong command line refused without a screen;
// without one, the program says so instead of opening.
TEST(Ruotario, RigaDiComandoESchermo) {
    const std::string aiuto = "\nPer l'aiuto: ruotario --help\n";
    const std::pair<std::string, std::string> casi[] = {
        {"--version", "0 ruotario " RUOTARIO_VERSIONE "\n|"},
        {"-v >/dev/full", "1 |"},
        {"pippo", "2 |ruotario: argomento non previsto \"pippo\"" + aiuto},
        {"--pippo", "2 |ruotario: Opzione sconosciuta 'pippo'." + aiuto},
        {"",
         "1 |Ruotario: nessuno schermo disponibile (DISPLAY non impostato): il programma "
         "non può aprire le sue finestre.\n"}};
    for (const auto& [argomenti, atteso] : casi) {
        const prova::Esito esito = prova::Shell(
            "env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY= " RUOTARIO_PROGRAMMA " " +
            argomenti);
        EXPECT_EQ(std::to_string(esito.codice) + " " + esito.uscita + "|" + esito.errori, atteso);
    }
}

}  // namespace
}  // namespace ruotario
