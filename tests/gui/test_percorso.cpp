// A player's week, from the menu to the files: the bundled archive is browsed,
// a new draw is pasted from the clipboard, corrected, dated and archived, a
// series is composed, analysed over the last three draws, copied and deleted,
// and the program is left with "Esci". Every step is a click, a key, a scroll
// bar or the clipboard, as a person does it; every box is answered by the
// script.
#include <QtWidgets>

#include "archive/finestra_prova.h"
#include "series/banco_serie.h"
#include "shell/vista_griglia.h"
#include "store/lotto_dat.h"
#include "support/cella_vista.h"
#include "tools/esegui.h"

namespace ruotario {
namespace {

// The draw as the player copies it from a results page, Bari to Venezia, with
// Roma's third number misprinted as 33.
const QStringList kIncollata =
    QString(
        "12 34 56 78 90  3 14 25 36 47  12 58 69 80 1  7 18 29 40 51  62 "
        "73 84 6 17  "
        "28 39 50 61 72  83 5 16 27 38  49 60 33 71 82  15 26 37 48 59  58 "
        "2 13 24 35")
        .split(' ', Qt::SkipEmptyParts);

// Series 49 77 5 90 11 over the draws of 20 and 21 August 2026 and the new
// one. 20/8: 11 on Genova. 21/8: 11 on Genova, 5 on Milano, 90 on Roma. New:
// 90 on Bari, 5 on Palermo, 49 and 77 together on Roma, the only ambo. Rows:
// each number's delay per wheel, the smallest of them (Min), then for ambo,
// terno and quaterna delay, hits and longest delay; "Tutte" the smallest
// delays and the longest run with no ambo anywhere (the first two draws);
// "Som" the delays' sums and the hits.
const QStringList kAnalisi = {" 49 77 5 90 11 Min R.A. Sor Sto R.T. Sor Sto R.Q. Sor Sto",
                              "BA 3 3 3 0 3 0 3 0 3 3 0 3 3 0 3",
                              "CA 3 3 3 3 3 3 3 0 3 3 0 3 3 0 3",
                              "FI 3 3 3 3 3 3 3 0 3 3 0 3 3 0 3",
                              "GE 3 3 3 3 1 1 3 0 3 3 0 3 3 0 3",
                              "MI 3 3 1 3 3 1 3 0 3 3 0 3 3 0 3",
                              "NA 3 3 3 3 3 3 3 0 3 3 0 3 3 0 3",
                              "PA 3 3 0 3 3 0 3 0 3 3 0 3 3 0 3",
                              "RO 0 0 3 1 3 0 0 1 2 3 0 3 3 0 3",
                              "TO 3 3 3 3 3 3 3 0 3 3 0 3 3 0 3",
                              "VE 3 3 3 3 3 3 3 0 3 3 0 3 3 0 3",
                              "Tutte 0 0 0 0 1  0  2 3  3 3  3",
                              "Som 27 27 25 25 28   1   0   0 "};

struct Percorso : prova::FinestraArchivio {
    // Only what stands on screen can be clicked.
    static void Clic(QWidget* w, QPoint dove = {}, Qt::MouseButton pulsante = Qt::LeftButton) {
        ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
        QTest::mouseClick(w, pulsante, {}, dove);
    }
    static void Clic(QAbstractItemView* v, int r, int c,
                     Qt::MouseButton pulsante = Qt::LeftButton) {
        v->scrollTo(v->model()->index(r, c));
        Clic(v->viewport(), v->visualRect(v->model()->index(r, c)).center(), pulsante);
    }
    void Menu(QAction* comando) const {
        Clic(principale->menuBar(), principale->menuBar()->actionGeometry(comando).center());
    }
    // The record number, the date and the weekday of the draw shown.
    QString Mostrata() const {
        return archivio->Label1()->text() + ": " + Cella(0, 2) + "/" + Cella(0, 3) + "/" +
               Cella(0, 4) + Cella(0, 5);
    }
};

TEST_F(Percorso, UnaSettimanaDiGioco) {
    // The bundled archive as the build imports it: 10,918 draws, the last on
    // Friday 21 August 2026.
    const std::string dati = RUOTARIO_DATA_DIR;
    ASSERT_EQ(prova::Cli("importa --archivio " + LottoDatPath().string() + " " + dati +
                         "/storico_1871_1938.txt " + dati + "/storico.txt")
                  .codice,
              0);
    const std::string prima = prova::LeggiBytes(LottoDatPath());
    ASSERT_EQ(prima.size(), 10918u * 106);
    principale = std::make_unique<MDIForm1>();
    principale->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(principale.get()));

    // The archive opens on the newest draw. A new draw: pasted, the misprint
    // corrected by typing, dated, saved. The date proposed is the last
    // draw's: September, then two days on, gives Thursday the 3rd.
    Menu(principale->mnuEstra());
    ASSERT_NE(archivio = Archivio::Istanza(), nullptr);
    EXPECT_EQ(Mostrata(), "10918: 21/8/2026 ven");
    Clic(archivio->Inserisci());
    const QStringList ruote = {"Bari",   "Cagliari", "Firenze", "Genova", "Milano",
                               "Napoli", "Palermo",  "Roma",    "Torino", "Venezia"};
    QString appunti = "Estrazione del Lotto\r\n";
    for (int w = 0; w < 10; ++w)
        appunti += ruote[w] + "\t" + kIncollata.mid(5 * w, 5).join(' ') + " \r\n";
    QGuiApplication::clipboard()->setText(appunti);
    Clic(archivio->ClipB());
    EXPECT_EQ(Numeri(), kIncollata);
    Clic(Griglia(), 9, 3);
    QTest::keyClicks(Griglia(), "77");
    for (int lista : {1, 0, 0})
        QTest::keyClick(archivio->Combo2(lista), Qt::Key_Down);
    script.Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::Yes);
    Clic(archivio->Salva());

    // Opened again, the archive ends with the new draw.
    Menu(principale->mnuEstra());
    ASSERT_NE(archivio = Archivio::Istanza(), nullptr);
    EXPECT_EQ(Mostrata() + " " + Numeri().join(' '),
              "10919: 3/9/2026 gio " + kIncollata.join(' ').replace(" 33 ", " 77 "));

    // A series of five, saved, analysed from 20 August.
    Menu(principale->mnuSerie());
    ASSERT_NE(Serie::Istanza(), nullptr);
    auto Di = [](const char* nome) { return Serie::Istanza()->findChild<QWidget*>(nome); };
    auto* lista = Serie::Istanza()->findChild<QListWidget*>("List1");
    for (int numero : {49, 77, 5, 90, 11}) {
        Clic(lista, lista->row(lista->findItems(QString::number(numero), Qt::MatchExactly)[0]), 0);
        Clic(Di("Command2_0"));
    }
    script.Attendi("Salvare Serie ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::Yes);
    Clic(Di("Command1_4"));
    Serie::Istanza()->findChild<QScrollBar*>("HScroll1")->setValue(10917);
    Clic(Di("Command1_0"));
    ASSERT_NE(AnalysisWindow(), nullptr);
    EXPECT_EQ(AnalysisWindow()->windowTitle(),
              "Serie_1   Inizio: 20 - 8 - 2026   Fine: 3 - 9 - 2026     ");
    VistaGriglia* grid = AnalysisWindow()->MSFlexGrid1();
    QStringList mostrata;
    for (int r = 0; r < grid->model()->rowCount(); ++r) {
        QStringList riga;
        for (int c = 0; c < grid->model()->columnCount(); ++c)
            riga << prova::TestoCella(grid, r, c);
        mostrata << riga.join(' ');
    }
    EXPECT_EQ(mostrata, kAnalisi);

    // The series goes to the clipboard with a right click; then it is deleted,
    // and the week ends with "Esci".
    script.Attendi("Copiare elementi negli appunti ?", MsgBoxButtons::YesNo, MsgBoxIcon::None,
                   MsgBoxResult::Yes);
    Clic(grid, 4, 3, Qt::RightButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "49 - 77 - 5 - 90 - 11 - ");
    script.Attendi(" Eliminare Serie selezionata ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::Yes);
    Clic(Di("Command1_1"));
    Menu(principale->mnuexit());
    EXPECT_FALSE(principale->isVisible());

    // The archive is the old file and one record more; "Serie" is there, empty.
    const std::string dopo = prova::LeggiBytes(LottoDatPath());
    EXPECT_TRUE(dopo.size() == prima.size() + 106 && dopo.starts_with(prima));
    EXPECT_EQ(std::filesystem::file_size(SeriePath()), 0u);
}

}  // namespace
}  // namespace ruotario
