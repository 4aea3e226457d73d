// The series window as a person uses it, on weekly draws from Saturday 7
// January 1871. At 96 dpi 15 twips make a pixel.
#include "series/banco_serie.h"
#include "shell/vista_griglia.h"
#include "store/lotto_dat.h"
#include "support/cella_vista.h"

namespace ruotario {
namespace {

using prova::BancoSerie;
using R = MsgBoxResult;

// Whether Elabora, Elimina, Svuota and the two bars take input | the bars'
// values | the range handed to the analysis | the three labels.
QString Stato(const BancoSerie& b) {
    QString stato;
    for (const char* nome : {"Command1_0", "Command1_1", "Command1_2", "HScroll1", "HScroll2"})
        stato += b.C(nome)->isEnabled() ? "sì " : "no ";
    for (const char* nome : {"HScroll1", "HScroll2"})
        stato += QString("| %1 ").arg(b.C<QScrollBar>(nome)->value());
    stato += QString("| %1-%2").arg(Module1().RangeStart).arg(Module1().RangeEnd);
    for (const char* nome : {"Label1", "Label2", "Label3"})
        stato += " | " + b.C<QLabel>(nome)->text();
    return stato;
}

// The twips of the design in pixels: the frame 10975 x 7700 at the corner,
// the list 100 from the left, the buttons 1455 wide every 1800... The labels
// of the range widen to show their whole text: only their place is fixed.
TEST(Serie, SiApreUnaVoltaComeDisegnata) {
    BancoSerie b(10, {});
    Serie* serie = Serie::Istanza();
    b.principale.mnuSerie()->trigger();
    EXPECT_TRUE(Serie::Istanza() == serie && b.principale.Area()->subWindowList().size() == 1);
    QStringList posti = {serie->windowTitle()};
    for (QWidget* w : QWidgetList{serie->parentWidget()} +
                          serie->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        posti << QString("%1,%2").arg(w->x()).arg(w->y());
        if (!QRegularExpression("^Label[1-3]$").match(w->objectName()).hasMatch())
            posti.last() += QString(" %1x%2").arg(w->width()).arg(w->height());
    }
    EXPECT_EQ(posti.join(" | "),
              "Archivio Serie | 0,0 732x513 | 7,16 713x26 | 8,64 97x65 | 128,64 97x65 | 248,64 "
              "97x65 | 368,64 97x65 | 488,64 97x65 | 144,264 97x57 | 144,336 97x57 | 144,408 "
              "97x57 | 40,168 161x25 | 40,208 161x25 | 232,176 | 232,216 | 432,192 | 376,264 "
              "345x153 | 48,264 73x196 | 272,264 73x196 | 440,368 251x33");
    b.Premi("Command1_3");
    EXPECT_TRUE(QTest::qWaitFor([] { return Serie::Istanza() == nullptr; }));
}

// The last 181 draws; the bars never cross. No draws: nothing to range over,
// nothing to analyse.
TEST(Serie, UltimeCentottantunoEstrazioniEBarreCheNonSiIncrociano) {
    QStringList passi;
    {
        BancoSerie b(5000, {});
        passi << Stato(b) + " | " + QString::number(b.C<QScrollBar>("HScroll1")->maximum());
        for (auto [barra, valore] :
             {std::pair{"HScroll2", 4900}, {"HScroll1", 4950}, {"HScroll2", 4900}}) {
            b.C<QScrollBar>(barra)->setValue(valore);
            passi << Stato(b).section(" | ", 1, 3) + " " + Stato(b).section(" : ", 1);
        }
        passi << Stato(b).section(" | ", 4, 5);
    }
    passi << Stato(BancoSerie(0, {{5, 6}}));
    EXPECT_EQ(passi.join("\n"),
              "no no no sì sì | 4820 | 5000 | 4820-5000 | sabato, 18/05/1963 | sabato, "
              "29/10/1966 | Estrazioni Analizzate : 181 | 5000\n4820 | 4900 | 4820-4900 81\n"
              "4950 | 4950 | 4950-4950 1\n4900 | 4900 | 4900-4900 1\nsabato, 28/11/1964 | "
              "sabato, 28/11/1964\nno sì sì no no | 0 | 0 | 0-0 | Estrazione Iniziale : | "
              "Estrazione Finale : | Estrazioni Analizzate :");
}

// Twenty numbers on the right, the last 85; a twenty-first is refused even
// when picked. A number goes back to its place on the left, or before the
// first larger one when its place lies past the end. A series is saved after
// a first No. Another program changes "Serie" after the window listed it:
// Elimina and Svuota then delete nothing, and the list shows the file as it is.
TEST(Serie, ComporreSalvareEliminareSvuotare) {
    BancoSerie b(10, {{7, 45}});
    prova::MsgBoxScript script;
    for (const char* testo : {"Selezionare un numero dal listato di sinistra",
                              "Selezionare un numero dal listato di destra",
                              "Inserire non piu' di 20 numeri", "Inserire Serie"})
        script.Attendi(testo, MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, R::Ok);
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
    // Seleziona (from List1) or Ripristina (from List2) for each number; then
    // how many are left on the left, those on the right, and `quanti` on the
    // left from the `da`-th.
    QStringList passi;
    auto Sposta = [&](const char* lista, std::initializer_list<int> numeri, int da, int quanti) {
        for (int n : numeri) {
            b.Scegli(lista, n);
            b.Premi(lista == QString("List1") ? "Command2_0" : "Command2_1");
        }
        passi << QString("%1 | %2 | ").arg(b.Voci("List1").size()).arg(b.Voci("List2").join(" ")) +
                     b.Voci("List1").mid(da, quanti).join(" ");
    };
    // The stored series listed, whether Elabora, Elimina and Svuota take a
    // click, and the series chosen.
    auto Premi = [&](const char* pulsante) {
        b.Premi(pulsante);
        passi << b.Combo().join(" | ") + " / " + Stato(b).left(8) +
                     QString::number(b.C<QComboBox>("Combo1")->currentIndex());
    };
    b.Premi("Command2_0");
    b.Premi("Command2_1");
    Sposta("List1", {17}, 16, 1);
    Sposta("List2", {17}, 15, 3);
    Sposta("List1", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 85, 40}, 0,
           0);
    Sposta("List2", {85}, 64, 3);  // its place, 84, is past the end of the left list
    b.Premi("Command2_2");
    Sposta("List1", {}, 0, 2);

    b.Premi("Command1_4");
    Sposta("List1", {7, 45, 3}, 0, 0);
    Chiedi("Salvare Serie ?", {R::No, R::Yes});
    Premi("Command1_4");
    Premi("Command1_4");
    const std::string due = prova::LeggiBytes(SeriePath());
    prova::ScriviBytes(SeriePath(), due.substr(40) + due.substr(0, 40));
    for (bool cambiato : {true, false}) {
        b.C<QComboBox>("Combo1")->setCurrentIndex(0);
        Chiedi(" Eliminare Serie selezionata ?", {R::Yes});
        if (cambiato) Cambiato("la serie S_1");
        Premi("Command1_1");
    }
    prova::ScriviBytes(SeriePath(), due);
    Chiedi(" Eliminare tutte le Serie in Archivio ?", {R::No, R::Yes});
    Cambiato("le serie");
    Chiedi(" Eliminare tutte le Serie in Archivio ?", {R::Yes});
    for (int volta = 0; volta < 3; ++volta)
        Premi("Command1_2");
    EXPECT_EQ(passi.join("\n"),
              "89 | 17 | 18\n90 |  | 16 17 18\n"
              "70 | 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 85 | \n"
              "71 | 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 | 84 85 86\n90 |  | 1 2\n"
              "87 | 7 45 3 | \n"
              "-7 -45    S_1 / sì sì sì0\n-7 -45    S_1 | -7 -45-3     S_2 / sì sì sì1\n"
              "-7 -45-3     S_1 | -7 -45    S_2 / sì sì sì1\n-7 -45    S_1 / sì sì sì0\n"
              "-7 -45    S_1 / sì sì sì0\n-7 -45    S_1 | -7 -45-3     S_2 / sì sì sì1\n"
              "  Non ci sono Serie da Visualizzare  / no no no0");
}

// A double click on Elabora, both clicks queued before the first analysis
// window has loaded: the second comes during the first one's yield, while the
// main window takes no input, and starts nothing; the window shows the series
// chosen for it.
TEST(Serie, ElaboraNonSiRipeteMentreLAnalisiSiCarica) {
    BancoSerie b(10, {{5, 17}, {27}});
    prova::MsgBoxScript script;  // no box may come
    b.C<QComboBox>("Combo1")->setCurrentIndex(0);
    for (int volta = 0; volta < 2; ++volta)
        QMetaObject::invokeMethod(b.C("Command1_0"), "click", Qt::QueuedConnection);
    QCoreApplication::processEvents();
    ASSERT_NE(AnalysisWindow(), nullptr);
    const QAbstractItemModel* griglia = AnalysisWindow()->MSFlexGrid1()->model();
    EXPECT_EQ(prova::S(b.principale.Area()->subWindowList().size(), griglia->index(0, 1).data(),
                       griglia->index(0, 2).data()),
              "2 QVariant(QString, 5) QVariant(QString, 17)");  // Serie and one analysis, of 5 17

    // A draw that cannot be read while a bar is dragged: one box for the
    // drag, however many steps it takes; a click on the bar afterwards has
    // its own.
    std::filesystem::resize_file(LottoDatPath(), 6 * kDrawRecordSize);
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
