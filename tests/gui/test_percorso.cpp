// A player's week, from the menu to the files: the bundled archive is browsed,
// a new draw is pasted from the clipboard, corrected, dated and archived, a
// series is composed, saved and analysed over the last three draws, and the
// program is left with "Esci". Every step is a click, a key, a scroll
// bar or the clipboard, as a person does it; every box is answered by the
// script.

#include "series/banco_serie.h"
#include "shell/vista_griglia.h"
#include "store/lotto_dat.h"
#include "support/cella_vista.h"
#include "tools/esegui.h"

namespace ruotario {
namespace {

using prova::S;

// The draw as the player copies it from a results page, Roma's third number
// misprinted as 33.
const QString kAppunti =
    "Estrazione del Lotto\r\nBari\t12 34 56 78 90 \r\nCagliari\t3 14 25 36 47 \r\nFirenze\t12 "
    "58 69 80 1 \r\nGenova\t7 18 29 40 51 \r\nMilano\t62 73 84 6 17 \r\nNapoli\t28 39 50 61 72 "
    "\r\nPalermo\t83 5 16 27 38 \r\nRoma\t49 60 33 71 82 \r\nTorino\t15 26 37 48 59 \r\n"
    "Venezia\t58 2 13 24 35 \r\n";
// The draw as the player archives it, the misprint corrected.
const QString kCorretta =
    "12 34 56 78 90 3 14 25 36 47 12 58 69 80 1 7 18 29 40 51 62 73 84 6 17 28 39 50 61 72 83 5 "
    "16 27 38 49 60 77 71 82 15 26 37 48 59 58 2 13 24 35";

// Series 49 77 5 90 11 over the draws of 20 and 21 August 2026 and the new
// one. 20/8: 11 on Genova. 21/8: 11 on Genova, 5 on Milano, 90 on Roma. New:
// 90 on Bari, 5 on Palermo, 49 and 77 together on Roma, the only ambo. Rows:
// each number's delay per wheel, the smallest of them (Min), then for ambo,
// terno and quaterna delay, hits and longest delay; "Tutte" the smallest
// delays and the longest run with no ambo anywhere (the first two draws);
// "Som" the delays' sums and the hits.
const QString kAnalisi =
    " 49 77 5 90 11 Min R.A. Sor Sto R.T. Sor Sto R.Q. Sor Sto\n"
    "BA 3 3 3 0 3 0 3 0 3 3 0 3 3 0 3\nCA 3 3 3 3 3 3 3 0 3 3 0 3 3 0 3\n"
    "FI 3 3 3 3 3 3 3 0 3 3 0 3 3 0 3\nGE 3 3 3 3 1 1 3 0 3 3 0 3 3 0 3\n"
    "MI 3 3 1 3 3 1 3 0 3 3 0 3 3 0 3\nNA 3 3 3 3 3 3 3 0 3 3 0 3 3 0 3\n"
    "PA 3 3 0 3 3 0 3 0 3 3 0 3 3 0 3\nRO 0 0 3 1 3 0 0 1 2 3 0 3 3 0 3\n"
    "TO 3 3 3 3 3 3 3 0 3 3 0 3 3 0 3\nVE 3 3 3 3 3 3 3 0 3 3 0 3 3 0 3\n"
    "Tutte 0 0 0 0 1  0  2 3  3 3  3\nSom 27 27 25 25 28   1   0   0 ";

struct Percorso : prova::FinestraArchivio {
    // Only what stands on screen can be clicked: a widget, a cell, a menu entry.
    static void Clic(QWidget* w, QPoint dove = {}) {
        ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
        QTest::mouseClick(w, Qt::LeftButton, {}, dove);
    }
    static void Clic(QAbstractItemView* v, int r, int c) {
        v->scrollTo(v->model()->index(r, c));
        Clic(v->viewport(), v->visualRect(v->model()->index(r, c)).center());
    }
    void Menu(QAction* comando) const {
        Clic(principale->menuBar(), principale->menuBar()->actionGeometry(comando).center());
    }
};

TEST_F(Percorso, UnaSettimanaDiGioco) {
    // The bundled archive as the build imports it: 10,918 draws, the last on
    // Friday 21 August 2026.
    const std::string dati = " " RUOTARIO_DATA_DIR "/storico";
    ASSERT_EQ(prova::Cli("importa --archivio " + LottoDatPath().string() + dati + "_1871_1938.txt" +
                         dati + ".txt")
                  .codice,
              0);
    const std::string prima = prova::LeggiBytes(LottoDatPath());
    principale = std::make_unique<MDIForm1>();
    principale->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(principale.get()));

    // The archive opens on the newest draw. A new draw: pasted, the misprint
    // corrected by typing, dated, saved. The date proposed is the last
    // draw's: September, then two days on, gives Thursday the 3rd.
    Menu(principale->mnuEstra());
    ASSERT_NE(archivio = Archivio::Istanza(), nullptr);
    EXPECT_EQ(S(archivio->Label1()->text(), Cella(0, 2), Cella(0, 3), Cella(0, 4) + Cella(0, 5)),
              "10918 21 8 2026 ven");
    Clic(archivio->Inserisci());
    QGuiApplication::clipboard()->setText(kAppunti);
    Clic(archivio->ClipB());
    Clic(Griglia(), 9, 3);
    QTest::keyClicks(Griglia(), "77");
    for (int lista : {1, 0, 0})
        QTest::keyClick(archivio->Combo2(lista), Qt::Key_Down);
    script.Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::Yes);
    principale->Timer1()->start();
    Clic(archivio->Salva());

    // The main window reloads, its banner at rest. Opened again, the archive
    // ends with the new draw.
    Menu(principale->mnuEstra());
    ASSERT_NE(archivio = Archivio::Istanza(), nullptr);
    EXPECT_EQ(S(principale->Timer1()->isActive(), archivio->Label1()->text(), Cella(0, 2),
                Cella(0, 3), Cella(0, 4) + Cella(0, 5), Numeri().join(' ')),
              "false 10919 3 9 2026 gio " + kCorretta);

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
    VistaGriglia* grid = AnalysisWindow()->MSFlexGrid1();
    QString mostrata = AnalysisWindow()->windowTitle();
    const int colonne = grid->model()->columnCount();
    for (int i = 0; i < grid->model()->rowCount() * colonne; ++i)
        mostrata += (i % colonne ? " " : "\n") +
                    grid->model()->index(i / colonne, i % colonne).data().toString();
    EXPECT_EQ(mostrata, "Serie_1   Inizio: 20 - 8 - 2026   Fine: 3 - 9 - 2026     \n" + kAnalisi);

    // The week ends with "Esci".
    Menu(principale->mnuexit());

    // The archive is the old file and one record more; "Serie" holds the series.
    const std::string dopo = prova::LeggiBytes(LottoDatPath());
    EXPECT_EQ(S(principale->isVisible(), dopo.size() - prima.size(), dopo.starts_with(prima),
                std::filesystem::file_size(SeriePath())),
              "false 106 true 40");
}

}  // namespace
}  // namespace ruotario
