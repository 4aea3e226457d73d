// A player's week, from the menu to the files: the bundled archive is browsed,
// a new draw is pasted from the clipboard, corrected, dated and archived, a
// series is composed, analysed, copied and deleted, and the program is left
// with "Esci". Every step is a click, a key, a scroll bar or the clipboard, as
// a person does it; every message box is answered by the script.
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>

#include "archive/finestra_prova.h"
#include "series/banco_serie.h"
#include "shell/vista_griglia.h"
#include "store/lotto_dat.h"
#include "support/cella_vista.h"
#include "tools/esegui.h"

namespace ruotario {
namespace {

// The draw as the player copies it from a results page, Bari to Venezia, with
// Roma's third number misprinted as 33. Firenze's first number is Bari's, so
// its second counts for the Super Enalotto; Venezia's 58 is taken, so the
// Jolly is 2.
const QStringList kIncollata =
    QString(
        "12 34 56 78 90  3 14 25 36 47  12 58 69 80 1  7 18 29 40 51  62 73 84 6 17  "
        "28 39 50 61 72  83 5 16 27 38  49 60 33 71 82  15 26 37 48 59  58 2 13 24 35")
        .split(' ', Qt::SkipEmptyParts);
// Bari 12, Firenze 58, Milano 62, Napoli 28, Palermo 83, Roma 49, smallest up.
const QStringList kSuperEnalotto = {"12", "28", "49", "58", "62", "83", "Jolly", "2"};

struct Percorso : prova::FinestraArchivio {
    // Only what stands on screen can be clicked.
    static void Clic(QWidget* w, Qt::MouseButton pulsante = Qt::LeftButton, QPoint dove = {}) {
        ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
        QTest::mouseClick(w, pulsante, {}, dove);
    }
    void Menu(QAction* comando) const {
        Clic(principale->menuBar(), Qt::LeftButton,
             principale->menuBar()->actionGeometry(comando).center());
    }
    static void ClicCella(QTableView* g, int r, int c, Qt::MouseButton pulsante = Qt::LeftButton) {
        Clic(g->viewport(), pulsante, g->visualRect(g->model()->index(r, c)).center());
    }
    // The record number, the date and the weekday of the draw shown.
    QString Mostrata() const {
        return archivio->Label1()->text() + ": " + Cella(0, 2) + "/" + Cella(0, 3) + "/" +
               Cella(0, 4) + Cella(0, 5);
    }
    template <typename T = QWidget>
    static T* DiSerie(const char* nome) {
        return Serie::Istanza()->findChild<T*>(nome);
    }
};

TEST_F(Percorso, UnaSettimanaDiGioco) {
    // The bundled archive as the build imports it: 10,918 draws, the last on
    // Friday 21 August 2026.
    const std::string dati = RUOTARIO_DATA_DIR;
    const prova::Esito importa =
        prova::Cli("importa --archivio " + LottoDatPath().string() + " " + dati +
                   "/storico_1871_1938.txt " + dati + "/storico.txt");
    ASSERT_EQ(importa.codice, 0) << importa.errori;
    const std::string prima = prova::LeggiBytes(LottoDatPath());
    ASSERT_EQ(prima.size(), 10918u * kDrawRecordSize);
    principale = std::make_unique<MDIForm1>();
    principale->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(principale.get()));

    // The archive opens on the newest draw and is browsed back and forth.
    Menu(principale->mnuEstra());
    ASSERT_NE(archivio = Archivio::Istanza(), nullptr);
    EXPECT_EQ(Mostrata(), "10918: 21/8/2026 ven");
    archivio->VScroll1()->setValue(10917);
    EXPECT_EQ(Mostrata(), "10917: 20/8/2026 gio");
    Clic(archivio->Command1());
    EXPECT_EQ(Mostrata(), "1: 7/1/1871 sab");
    archivio->VScroll1()->setValue(2);
    EXPECT_EQ(Mostrata(), "2: 14/1/1871 sab");
    Clic(archivio->Ultima());
    EXPECT_EQ(Mostrata(), "10918: 21/8/2026 ven");

    // A new draw: pasted, the misprint corrected by typing, dated, saved. The
    // date proposed is the last draw's, 21/08/2026: September, then two days
    // on, gives Thursday the 3rd.
    Clic(archivio->Inserisci());
    const QStringList ruote =
        QString("Bari Cagliari Firenze Genova Milano Napoli Palermo Roma Torino Venezia")
            .split(' ');
    QString appunti = "Estrazione del Lotto\r\n";
    for (int w = 0; w < 10; ++w)
        appunti += ruote[w] + "\t" + kIncollata.mid(5 * w, 5).join(' ') + " \r\n";
    QGuiApplication::clipboard()->setText(appunti);
    Clic(archivio->ClipB());
    EXPECT_EQ(Numeri(), kIncollata);
    ClicCella(Griglia(), 9, 3);
    QTest::keyClicks(Griglia(), "77");
    QTest::keyClick(archivio->Combo2(1), Qt::Key_Down);
    QTest::keyClick(archivio->Combo2(0), Qt::Key_Down);
    QTest::keyClick(archivio->Combo2(0), Qt::Key_Down);
    script.Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::Yes);
    Clic(archivio->Salva());
    EXPECT_EQ(Archivio::Istanza(), nullptr);

    // Opened again, the archive ends with the new draw and its Super Enalotto.
    QStringList archiviata = kIncollata;
    archiviata[37] = "77";
    Menu(principale->mnuEstra());
    ASSERT_NE(archivio = Archivio::Istanza(), nullptr);
    EXPECT_EQ(Mostrata(), "10919: 3/9/2026 gio");
    EXPECT_EQ(Numeri(), archiviata);
    QStringList superEnalotto;
    for (int r = 0; r < 8; ++r)
        superEnalotto << archivio->MSFlexGrid2()->TextMatrix(r, 0);
    EXPECT_EQ(superEnalotto, kSuperEnalotto);

    // A series of five, saved and analysed over the default range: the last
    // 181 draws. 49 and 77 come out together on Roma in the new draw, 5 on
    // Palermo, 90 on Bari, 11 nowhere.
    Menu(principale->mnuSerie());
    ASSERT_NE(Serie::Istanza(), nullptr);
    auto* lista = DiSerie<QListWidget>("List1");
    for (int numero : {49, 77, 5, 90, 11}) {
        QListWidgetItem* voce =
            lista->findItems(QString::number(numero), Qt::MatchExactly).value(0);
        ASSERT_NE(voce, nullptr) << numero;
        lista->scrollToItem(voce);
        Clic(lista->viewport(), Qt::LeftButton, lista->visualItemRect(voce).center());
        Clic(DiSerie("Command2_0"));
    }
    script.Attendi("Salvare Serie ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::Yes);
    Clic(DiSerie("Command1_4"));
    EXPECT_EQ(DiSerie<QComboBox>("Combo1")->currentText(), "-49-77-5 -90-11    S_1");
    const int inizio = DiSerie<QScrollBar>("HScroll1")->value();
    const int fine = DiSerie<QScrollBar>("HScroll2")->value();
    EXPECT_EQ(std::make_pair(inizio, fine), std::make_pair(10739, 10919));
    Clic(DiSerie("Command1_0"));
    Ricerca2* analisi = AnalysisWindow();
    ASSERT_NE(analisi, nullptr);

    // The new draw closes the range: the ambo 49-77 came out on Roma there.
    VistaGriglia* grid = analisi->MSFlexGrid1();
    EXPECT_EQ(prova::TestoCella(grid, 8, 7), "0");
    std::string mostrata;
    const int colonne = grid->model()->columnCount();
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        for (int c = 0; c < colonne; ++c)
            mostrata +=
                prova::TestoCella(grid, r, c).toStdString() + (c + 1 < colonne ? "\t" : "\n");

    // The series goes to the clipboard with a right click; then it is deleted,
    // and the week ends with "Esci".
    script.Attendi("Copiare elementi negli appunti ?", MsgBoxButtons::YesNo, MsgBoxIcon::None,
                   MsgBoxResult::Yes);
    ClicCella(grid, 4, 3, Qt::RightButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "49 - 77 - 5 - 90 - 11 - ");
    script.Attendi(" Eliminare Serie selezionata ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::Yes);
    Clic(DiSerie("Command1_1"));
    Menu(principale->mnuexit());
    EXPECT_FALSE(principale->isVisible());

    // The archive is the old file and one record more, the one shown above when
    // it was opened again. "Serie" is there, empty.
    const std::string dopo = prova::LeggiBytes(LottoDatPath());
    EXPECT_EQ(dopo.size(), prima.size() + 106);
    EXPECT_TRUE(dopo.starts_with(prima)) << "i record di prima sono cambiati";
    EXPECT_EQ(std::filesystem::file_size(SeriePath()), 0u);

    // What the window showed is what the command-line tool computes.
    const prova::Esito esito =
        prova::Cli("analizza --serie 49,77,5,90,11 --da " + std::to_string(inizio) + " --a " +
                   std::to_string(fine) + " --archivio " + LottoDatPath().string());
    ASSERT_EQ(esito.codice, 0) << esito.errori;
    EXPECT_EQ(mostrata, esito.uscita);
}

}  // namespace
}  // namespace ruotario
