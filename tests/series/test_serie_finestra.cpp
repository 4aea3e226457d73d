#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QMdiArea>
#include <QMouseEvent>
#include <QScrollBar>
#include <cerrno>

#include "series/banco_serie.h"
#include "shell/twips.h"
#include "shell/vista_griglia.h"
#include "store/lotto_dat.h"
#include "store/module1.h"
#include "support/cella_vista.h"
#include "support/io_guasto.h"
#include "support/msgbox_script.h"

namespace ruotario {
namespace {

using prova::BancoSerie;
using Pulsanti = std::array<bool, 3>;
constexpr auto Ok = MsgBoxButtons::Ok;
constexpr auto SiNo = MsgBoxButtons::YesNo;
constexpr auto Avviso = MsgBoxIcon::Exclamation;
constexpr auto Domanda = MsgBoxIcon::Question;
const QString kSegnaposto = "  Non ci sono Serie da Visualizzare ";

// Catches the address the link opens.
class Browser : public QObject {
    Q_OBJECT
  public:
    QUrl aperto;
  public slots:
    void Apri(const QUrl& url) { aperto = url; }
};

QRect InTwips(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

// Elabora, Elimina, Svuota.
Pulsanti Abilitati(const BancoSerie& b) {
    return {b.C("Command1_0")->isEnabled(), b.C("Command1_1")->isEnabled(),
            b.C("Command1_2")->isEnabled()};
}

// The two bars and the three labels in a line; the range of the analysis
// follows the bars.
QString Intervallo(const BancoSerie& b) {
    const int inizio = b.C<QScrollBar>("HScroll1")->value();
    const int fine = b.C<QScrollBar>("HScroll2")->value();
    EXPECT_EQ(Module1().RangeStart, inizio);
    EXPECT_EQ(Module1().RangeEnd, fine);
    return QString("%1-%2 %3 | %4 | %5")
        .arg(inizio)
        .arg(fine)
        .arg(b.Testo("Label1"), b.Testo("Label2"), b.Testo("Label3"));
}

TEST(Serie, SiApreUnaVoltaComeDisegnata) {
    BancoSerie b(10, {});
    Serie* serie = Serie::Istanza();
    b.principale.mnuSerie()->trigger();
    EXPECT_EQ(b.principale.Area()->subWindowList().size(), 1);
    EXPECT_EQ(Serie::Istanza(), serie);
    EXPECT_EQ(serie->windowTitle(), "Archivio Serie");
    EXPECT_EQ(serie->parentWidget()->geometry(), InTwips(0, 0, 10975, 7700));
    EXPECT_EQ(b.C("Combo1")->geometry(), InTwips(100, 240, 10695, 390));
    EXPECT_EQ(b.C("Combo1")->font().pointSizeF(), 11.25);
    EXPECT_EQ(b.C("HScroll2")->geometry(), InTwips(600, 3120, 2415, 375));
    EXPECT_EQ(b.C("Label3")->pos(), InTwips(6480, 2880, 0, 0).topLeft());
    auto* ripristina = b.C<QAbstractButton>("Command2_1");
    EXPECT_EQ(ripristina->geometry(), InTwips(2160, 5040, 1455, 855));
    EXPECT_EQ(ripristina->text() + " | " + ripristina->toolTip(),
              "Ripristina | Togli un numero al listato di destra");
    EXPECT_EQ(ripristina->font().family(), "Verdana");
    EXPECT_EQ(ripristina->font().pointSizeF(), 9.75);
    EXPECT_EQ(b.C("Label6")->font().pointSizeF(), 12);
    EXPECT_TRUE(b.Testo("Label6").startsWith("Questo strumento di gioco per il lotto appartiene"));

    Browser browser;
    QDesktopServices::setUrlHandler("http", &browser, "Apri");
    EXPECT_EQ(b.Testo("Link"), "Il sito ufficiale del Quintario2000");
    QTest::mouseClick(b.C("Link"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("http");
    EXPECT_EQ(browser.aperto, QUrl("http://www.ruotario.example/"));

    b.Premi("Command1_3");
    EXPECT_TRUE(QTest::qWaitFor([] { return Serie::Istanza() == nullptr; }));
}

// Weekly draws from Saturday 7 January 1871.
TEST(Serie, UltimeCentottantunoEstrazioniEBarreCheNonSiIncrociano) {
    {
        BancoSerie b(5000, {});
        EXPECT_EQ(b.C<QScrollBar>("HScroll2")->maximum(), 5000);
        EXPECT_EQ(Intervallo(b),
                  "4820-5000 sabato, 18/05/1963 | sabato, 29/10/1966 | "
                  "Estrazioni Analizzate : 181");
        b.C<QScrollBar>("HScroll2")->setValue(4900);
        EXPECT_TRUE(Intervallo(b).endsWith("Estrazioni Analizzate : 81"));
        b.C<QScrollBar>("HScroll1")->setValue(4950);
        EXPECT_EQ(Intervallo(b),
                  "4950-4950 sabato, 13/11/1965 | sabato, 13/11/1965 | "
                  "Estrazioni Analizzate : 1");
        b.C<QScrollBar>("HScroll2")->setValue(4900);
        EXPECT_TRUE(Intervallo(b).startsWith("4900-4900 sabato, 28/11/1964 | "));
    }
    {
        BancoSerie b(50, {});
        EXPECT_TRUE(Intervallo(b).startsWith("1-50 sabato, 07/01/1871"));
    }
    // No draws: nothing to range over, nothing to analyse.
    BancoSerie b(0, {{5, 6}});
    EXPECT_FALSE(b.C("HScroll1")->isEnabled() || b.C("HScroll2")->isEnabled());
    EXPECT_EQ(b.Testo("Label1") + b.Testo("Label2") + b.Testo("Label3"),
              "Estrazione Iniziale :Estrazione Finale :Estrazioni Analizzate :");
    EXPECT_EQ(Abilitati(b), (Pulsanti{false, true, true}));
}

TEST(Serie, ComporreLaSerie) {
    BancoSerie b(10, {});
    prova::MsgBoxScript script;
    script.Attendi("Selezionare un numero dal listato di sinistra", Ok, Avviso, MsgBoxResult::Ok)
        .Attendi("Selezionare un numero dal listato di destra", Ok, Avviso, MsgBoxResult::Ok);
    b.Premi("Command2_0");
    b.Premi("Command2_1");

    b.Scegli("List1", 17);
    b.Premi("Command2_0");
    EXPECT_EQ(b.Voci("List2"), QStringList{"17"});
    EXPECT_FALSE(b.Voci("List1").contains("17"));
    b.Scegli("List2", 17);
    b.Premi("Command2_1");
    EXPECT_EQ(b.Voci("List1").mid(15, 3), (QStringList{"16", "17", "18"}));

    // Twenty on the right, the last 85; a twenty-first is refused even when picked.
    for (int n = 1; n <= 20; ++n) {
        b.Scegli("List1", n < 20 ? n : 85);
        b.Premi("Command2_0");
    }
    script.Attendi("Inserire non piu' di 20 numeri", Ok, Avviso, MsgBoxResult::Ok);
    b.Scegli("List1", 40);
    b.Premi("Command2_0");
    EXPECT_EQ(b.Voci("List1").size(), 70);
    // Position 84 lies past the end of the left list: 85 goes back before 86.
    b.Scegli("List2", 85);
    b.Premi("Command2_1");
    EXPECT_EQ(b.Voci("List1").mid(64, 3), (QStringList{"84", "85", "86"}));

    b.Premi("Command2_2");
    EXPECT_TRUE(b.Voci("List2").isEmpty());
    EXPECT_EQ(b.Voci("List1").mid(0, 2), (QStringList{"1", "2"}));
    EXPECT_EQ(b.Voci("List1").size(), 90);
}

TEST(Serie, SalvaEliminaSvuota) {
    BancoSerie b(10, {});
    prova::MsgBoxScript script;
    auto Chiedi = [&](const char* domanda, std::initializer_list<MsgBoxResult> risposte) {
        for (MsgBoxResult risposta : risposte)
            script.Attendi(domanda, SiNo, Domanda, risposta);
    };
    script.Attendi("Inserire Serie", Ok, Avviso, MsgBoxResult::Ok);
    b.Premi("Command1_4");
    for (int n : {7, 45}) {
        b.Scegli("List1", n);
        b.Premi("Command2_0");
    }
    Chiedi("Salvare Serie ?", {MsgBoxResult::No, MsgBoxResult::Yes});
    b.Premi("Command1_4");
    EXPECT_EQ(b.Combo(), QStringList{kSegnaposto});
    b.Premi("Command1_4");
    EXPECT_EQ(b.Combo(), QStringList{"-7 -45    S_1"});
    EXPECT_EQ(Abilitati(b), (Pulsanti{true, true, true}));
    b.Scegli("List1", 3);
    b.Premi("Command2_0");
    Chiedi("Salvare Serie ?", {MsgBoxResult::Yes});
    b.Premi("Command1_4");
    EXPECT_EQ(b.Combo(), (QStringList{"-7 -45    S_1", "-7 -45-3     S_2"}));
    EXPECT_EQ(b.C<QComboBox>("Combo1")->currentIndex(), 1);

    {
        prova::IoGuasto guasto;
        guasto.Fallisci(prova::IoGuasto::Op::Rename, EIO);
        Chiedi(" Eliminare Serie selezionata ?", {MsgBoxResult::Yes});
        script.Attendi(
            QString::fromStdString("Impossibile sostituire il file \"" + SeriePath().string() +
                                   "\": errore di lettura o scrittura sul disco."),
            Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
        b.Premi("Command1_1");
        EXPECT_EQ(b.Combo().size(), 2);  // as the file still is
    }
    b.C<QComboBox>("Combo1")->setCurrentIndex(0);
    Chiedi(" Eliminare Serie selezionata ?", {MsgBoxResult::Yes});
    b.Premi("Command1_1");
    EXPECT_EQ(b.Combo(), QStringList{"-7 -45-3     S_1"});

    Chiedi(" Eliminare tutte le Serie in Archivio ?", {MsgBoxResult::No, MsgBoxResult::Yes});
    b.Premi("Command1_2");
    EXPECT_EQ(b.Combo().size(), 1);
    b.Premi("Command1_2");
    EXPECT_EQ(b.Combo(), QStringList{kSegnaposto});
    EXPECT_EQ(Abilitati(b), (Pulsanti{false, false, false}));
}

// A double click on Elabora, both clicks queued before the first analysis
// window has loaded: the second comes during the first one's yield, while the
// main window takes no input, and starts nothing; the window shows the series
// chosen for it.
TEST(Serie, ElaboraNonSiRipeteMentreLAnalisiSiCarica) {
    BancoSerie b(10, {{5, 17}, {27}});
    prova::MsgBoxScript script;  // no box may come
    b.C<QComboBox>("Combo1")->setCurrentIndex(0);
    auto* elabora = b.C<QAbstractButton>("Command1_0");
    const QPointF centro = QRectF(elabora->rect()).center();
    for (int volta = 0; volta < 2; ++volta)
        for (QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                elabora,
                new QMouseEvent(tipo, centro, elabora->mapToGlobal(centro), Qt::LeftButton,
                                tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                Qt::NoModifier));
    QCoreApplication::processEvents();
    ASSERT_NE(AnalysisWindow(), nullptr);
    EXPECT_EQ(b.principale.Area()->subWindowList().size(), 2);  // Serie and one analysis
    EXPECT_EQ(prova::TestoCella(AnalysisWindow()->MSFlexGrid1(), 0, 1) + " " +
                  prova::TestoCella(AnalysisWindow()->MSFlexGrid1(), 0, 2),
              "5 17");
    // Once loaded, the next click is an analysis of its own.
    ASSERT_NE(b.Elabora(1), nullptr);
    EXPECT_EQ(b.principale.Area()->subWindowList().size(), 3);
    EXPECT_EQ(prova::TestoCella(AnalysisWindow()->MSFlexGrid1(), 0, 0), "27");
}

// A draw that cannot be read while a bar is dragged: one box for the drag,
// however many steps it takes; a click on the bar afterwards has its own.
TEST(Serie, UnTrascinamentoSuEstrazioniIlleggibiliDaUnSoloAvviso) {
    BancoSerie b(10, {});
    const std::string tutto = prova::LeggiBytes(LottoDatPath());
    prova::ScriviBytes(LottoDatPath(), tutto.substr(0, 6 * kDrawRecordSize));
    auto Illeggibile = [](int record) {
        return QString::fromStdString("Impossibile leggere l'estrazione " + std::to_string(record) +
                                      " dal file \"" + LottoDatPath().string() +
                                      "\": il file è più corto del previsto.");
    };
    prova::MsgBoxScript script;
    script.Attendi(Illeggibile(9), Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
    script.Attendi(Illeggibile(8), Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
    auto* barra = b.C<QScrollBar>("HScroll2");
    barra->setSliderDown(true);
    for (int valore : {9, 8, 7, 9})
        barra->setValue(valore);
    barra->setSliderDown(false);
    barra->setValue(8);
    EXPECT_TRUE(script.Esaurito());
}

}  // namespace
}  // namespace ruotario

#include "test_serie_finestra.moc"
