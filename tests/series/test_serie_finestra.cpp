// The series window as a person uses it, on weekly draws from Saturday 7
// January 1871. At 96 dpi 15 twips make a pixel.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QMdiArea>
#include <QMouseEvent>
#include <QScrollBar>

#include "series/banco_serie.h"
#include "shell/vista_griglia.h"
#include "store/lotto_dat.h"
#include "store/module1.h"
#include "support/cella_vista.h"
#include "support/msgbox_script.h"

namespace ruotario {
namespace {

using prova::BancoSerie;
using R = MsgBoxResult;
const QString kSegnaposto = "  Non ci sono Serie da Visualizzare ";

// Catches the address the link opens.
class Browser : public QObject {
    Q_OBJECT
  public:
    QUrl aperto;
  public slots:
    void Apri(const QUrl& url) { aperto = url; }
};

// Whether Elabora, Elimina and Svuota take a click: "sì" or "no" each.
QString Abilitati(const BancoSerie& b) {
    QStringList si;
    for (const char* nome : {"Command1_0", "Command1_1", "Command1_2"})
        si << (b.C(nome)->isEnabled() ? "sì" : "no");
    return si.join(" ");
}

// The bars' values and the three labels; the range of the analysis follows
// the bars.
QString Intervallo(const BancoSerie& b) {
    const int inizio = b.C<QScrollBar>("HScroll1")->value();
    const int fine = b.C<QScrollBar>("HScroll2")->value();
    EXPECT_EQ(std::make_pair(int{Module1().RangeStart}, int{Module1().RangeEnd}),
              std::make_pair(inizio, fine));
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
    // The twips of the design in pixels: the frame 10975 x 7700 at the corner,
    // the list 100 from the left, the buttons 1455 wide every 1800...
    EXPECT_EQ(serie->parentWidget()->geometry(), QRect(0, 0, 732, 513));
    QStringList posti;
    for (const char* nome : {"Combo1", "Command1_0", "Command1_1", "Command1_2", "Command1_4",
                             "Command1_3", "Command2_0", "Command2_1", "Command2_2", "HScroll1",
                             "HScroll2", "List1", "List2", "Label6", "Link"}) {
        const QRect r = b.C(nome)->geometry();
        posti << QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    EXPECT_EQ(posti.join(" | "),
              "7,16 713x26 | 8,64 97x65 | 128,64 97x65 | 248,64 97x65 | 368,64 97x65 | 488,64 "
              "97x65 | 144,264 97x57 | 144,336 97x57 | 144,408 97x57 | 40,168 161x25 | 40,208 "
              "161x25 | 48,264 73x196 | 272,264 73x196 | 376,264 345x153 | 440,368 251x33");
    // ...and the labels of the range, which widen to show their whole text.
    for (auto [nome, x, y] :
         {std::tuple{"Label1", 232, 176}, {"Label2", 232, 216}, {"Label3", 432, 192}})
        EXPECT_EQ(b.C(nome)->pos(), QPoint(x, y)) << nome;
    QStringList testi;
    for (QAbstractButton* pulsante : serie->findChildren<QAbstractButton*>())
        testi << pulsante->text() + "/" + pulsante->toolTip();
    EXPECT_EQ(testi.join("|"),
              "Elabora/Elabora serie selezionata|Elimina/Elimina serie selezionata|Svuota/Elimina "
              "tutte le serie dall'archivio|Salva/Salva serie in archivio|Esci/Chiudi "
              "finestra|Seleziona/Aggiungi un numero al listato di destra|Ripristina/Togli un "
              "numero al listato di destra|Cancella/Ripulisci listato di destra");
    auto Punti = [&](const char* nome) { return QFontInfo(b.C(nome)->font()).pointSizeF(); };
    EXPECT_EQ(std::tuple(Punti("Combo1"), Punti("Command2_1"), Punti("Label6")),
              std::tuple(11.25, 9.75, 12.0));
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

TEST(Serie, UltimeCentottantunoEstrazioniEBarreCheNonSiIncrociano) {
    {
        BancoSerie b(5000, {});
        QStringList passi = {Intervallo(b)};
        for (auto [barra, valore] :
             {std::pair{"HScroll2", 4900}, {"HScroll1", 4950}, {"HScroll2", 4900}}) {
            b.C<QScrollBar>(barra)->setValue(valore);
            passi << Intervallo(b);
        }
        EXPECT_EQ(b.C<QScrollBar>("HScroll1")->maximum(), 5000);
        EXPECT_EQ(
            passi.join("\n"),
            "4820-5000 sabato, 18/05/1963 | sabato, 29/10/1966 | Estrazioni Analizzate : 181\n"
            "4820-4900 sabato, 18/05/1963 | sabato, 28/11/1964 | Estrazioni Analizzate : 81\n"
            "4950-4950 sabato, 13/11/1965 | sabato, 13/11/1965 | Estrazioni Analizzate : 1\n"
            "4900-4900 sabato, 28/11/1964 | sabato, 28/11/1964 | Estrazioni Analizzate : 1");
    }
    {
        BancoSerie b(50, {});
        EXPECT_TRUE(Intervallo(b).startsWith("1-50 sabato, 07/01/1871"))
            << Intervallo(b).toStdString();
    }
    // No draws: nothing to range over, nothing to analyse.
    BancoSerie b(0, {{5, 6}});
    EXPECT_FALSE(b.C("HScroll1")->isEnabled() || b.C("HScroll2")->isEnabled());
    EXPECT_EQ(b.Testo("Label1") + b.Testo("Label2") + b.Testo("Label3"),
              "Estrazione Iniziale :Estrazione Finale :Estrazioni Analizzate :");
    EXPECT_EQ(Abilitati(b), "no sì sì");
}

// Twenty numbers on the right, the last 85; a twenty-first is refused even
// when picked. A number goes back to its place on the left, or before the
// first larger one when its place lies past the end.
TEST(Serie, ComporreLaSerie) {
    BancoSerie b(10, {});
    prova::MsgBoxScript script;
    for (const char* lato : {"sinistra", "destra"})
        script.Attendi(QString("Selezionare un numero dal listato di ") + lato, MsgBoxButtons::Ok,
                       MsgBoxIcon::Exclamation, R::Ok);
    b.Premi("Command2_0");
    b.Premi("Command2_1");
    auto Liste = [&] {
        return QString("%1 | %2").arg(b.Voci("List1").size()).arg(b.Voci("List2").join(" "));
    };
    b.Scegli("List1", 17);
    b.Premi("Command2_0");
    EXPECT_EQ(Liste() + " | " + b.Voci("List1")[16], "89 | 17 | 18");
    b.Scegli("List2", 17);
    b.Premi("Command2_1");
    EXPECT_EQ(Liste() + " | " + b.Voci("List1").mid(15, 3).join(" "), "90 |  | 16 17 18");

    for (int n = 1; n <= 20; ++n) {
        b.Scegli("List1", n < 20 ? n : 85);
        b.Premi("Command2_0");
    }
    script.Attendi("Inserire non piu' di 20 numeri", MsgBoxButtons::Ok, MsgBoxIcon::Exclamation,
                   R::Ok);
    b.Scegli("List1", 40);
    b.Premi("Command2_0");
    EXPECT_EQ(Liste(), "70 | 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 85");
    b.Scegli("List2", 85);  // its place, 84, is past the end of the left list
    b.Premi("Command2_1");
    EXPECT_EQ(b.Voci("List1").mid(64, 3).join(" "), "84 85 86");

    b.Premi("Command2_2");
    EXPECT_EQ(Liste() + " | " + b.Voci("List1").mid(0, 2).join(" "), "90 |  | 1 2");
}

// Another program changes "Serie" after the window listed it: Elimina and
// Svuota then delete nothing, and the list shows the file as it is.
TEST(Serie, SalvaEliminaSvuota) {
    BancoSerie b(10, {});
    prova::MsgBoxScript script;
    auto Chiedi = [&](const char* domanda, std::initializer_list<R> risposte) {
        for (R risposta : risposte)
            script.Attendi(domanda, MsgBoxButtons::YesNo, MsgBoxIcon::Question, risposta);
    };
    auto Cambiato = [&](const QString& cosa) {
        script.Attendi("Impossibile eliminare " + cosa + ": il file \"" +
                           QString::fromStdString(SeriePath().string()) +
                           "\" è stato modificato da un altro programma dopo che le serie sono "
                           "state lette. Non è stato eliminato nulla.",
                       MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, R::Ok);
    };
    script.Attendi("Inserire Serie", MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, R::Ok);
    b.Premi("Command1_4");
    for (int n : {7, 45}) {
        b.Scegli("List1", n);
        b.Premi("Command2_0");
    }
    Chiedi("Salvare Serie ?", {R::No, R::Yes});
    b.Premi("Command1_4");
    EXPECT_EQ(b.Combo(), QStringList{kSegnaposto});
    EXPECT_EQ(Abilitati(b), "no no no");
    b.Premi("Command1_4");
    b.Scegli("List1", 3);
    b.Premi("Command2_0");
    Chiedi("Salvare Serie ?", {R::Yes});
    b.Premi("Command1_4");
    EXPECT_EQ(b.Combo(), (QStringList{"-7 -45    S_1", "-7 -45-3     S_2"}));
    EXPECT_EQ(b.C<QComboBox>("Combo1")->currentIndex(), 1);
    EXPECT_EQ(Abilitati(b), "sì sì sì");

    const std::string due = prova::LeggiBytes(SeriePath());
    prova::ScriviBytes(SeriePath(), due.substr(40) + due.substr(0, 40));
    b.C<QComboBox>("Combo1")->setCurrentIndex(0);
    Chiedi(" Eliminare Serie selezionata ?", {R::Yes});
    Cambiato("la serie S_1");
    b.Premi("Command1_1");
    EXPECT_EQ(b.Combo(), (QStringList{"-7 -45-3     S_1", "-7 -45    S_2"}));
    b.C<QComboBox>("Combo1")->setCurrentIndex(0);
    Chiedi(" Eliminare Serie selezionata ?", {R::Yes});
    b.Premi("Command1_1");
    EXPECT_EQ(b.Combo(), QStringList{"-7 -45    S_1"});

    prova::ScriviBytes(SeriePath(), due);
    Chiedi(" Eliminare tutte le Serie in Archivio ?", {R::No, R::Yes});
    Cambiato("le serie");
    Chiedi(" Eliminare tutte le Serie in Archivio ?", {R::Yes});
    b.Premi("Command1_2");
    b.Premi("Command1_2");
    EXPECT_EQ(b.Combo().size(), 2);
    b.Premi("Command1_2");
    EXPECT_EQ(b.Combo(), QStringList{kSegnaposto});
    EXPECT_EQ(Abilitati(b), "no no no");
}

// A double click on Elabora, both clicks queued before the first analysis
// window has loaded: the second comes during the first one's yield, while the
// main window takes no input, and starts nothing; the window shows the series
// chosen for it. Once loaded, the next click is an analysis of its own.
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
    prova::MsgBoxScript script;
    for (int record : {9, 8})
        script.Attendi(
            QString::fromStdString("Impossibile leggere l'estrazione " + std::to_string(record) +
                                   " dal file \"" + LottoDatPath().string() +
                                   "\": il file è più corto del previsto."),
            MsgBoxButtons::Ok, MsgBoxIcon::Critical, R::Ok);
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
