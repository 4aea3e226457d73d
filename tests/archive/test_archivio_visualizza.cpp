#include <QStyleOptionSlider>
#include <QTabWidget>

#include "finestra_prova.h"
#include "shell/twips.h"

namespace ruotario {
namespace {

using prova::Estrazione;
using prova::FinestraArchivio;
using prova::Ruota;

const QColor kRosso(255, 0, 0);
const QColor kGrigioChiaro(224, 224, 224);

// Bari 5, Firenze 5 then 33, Milano 40, Napoli 50, Palermo 60, Roma 70, and
// Venezia 40 then 6 for the Jolly; Cagliari not drawn.
DrawRecord FattaAMano() {
    DrawRecord draw = prova::EstrazioneVuota(6, 1, 2001);
    Ruota(draw, 1, {5, 10, 15, 20, 25});
    Ruota(draw, 3, {5, 33, 1, 2, 3});
    Ruota(draw, 4, {80, 81, 82, 83, 84});
    Ruota(draw, 5, {40, 41, 42, 43, 44});
    Ruota(draw, 6, {50, 51, 52, 53, 54});
    Ruota(draw, 7, {60, 61, 62, 63, 64});
    Ruota(draw, 8, {70, 71, 72, 73, 74});
    Ruota(draw, 9, {86, 87, 88, 89, -2});
    Ruota(draw, 10, {40, 6, 7, 8, 9});
    return draw;
}

using Visualizzazione = FinestraArchivio;

TEST_F(Visualizzazione, SiApreUnaVoltaSullUltimaEstrazione) {
    Apri(prova::Settimanali(5));
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al 4/2/1871");
    EXPECT_EQ(Cornice()->windowTitle(), archivio->windowTitle());
    EXPECT_EQ(archivio->objectName(), "Archivio");
    EXPECT_EQ(archivio->Label1()->text(), "5");
    EXPECT_EQ(archivio->Label3()->text(), "5");
    EXPECT_EQ(archivio->Label4()->text(), "1");
    EXPECT_EQ(Cella(0, 2) + Cella(0, 3) + Cella(0, 4) + Cella(0, 5), "421871 sab");
    EXPECT_EQ(archivio->VScroll1()->minimum(), 1);
    EXPECT_EQ(archivio->VScroll1()->maximum(), 5);
    EXPECT_EQ(archivio->VScroll1()->value(), 5);
    EXPECT_TRUE(archivio->VScroll1()->isEnabled());
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(archivio->Combo2(i)->isVisible());

    principale->mnuEstra()->trigger();
    EXPECT_EQ(Archivio::Istanza(), archivio);
    EXPECT_EQ(principale->Area()->subWindowList().size(), 1);
    EXPECT_EQ(principale->Area()->activeSubWindow(), Cornice());
}

TEST_F(Visualizzazione, ControlliTestiECaratteri) {
    Apri(prova::Settimanali(2));
    QTabWidget* schede = archivio->SSTab1();
    ASSERT_EQ(schede->count(), 3);
    EXPECT_EQ(schede->tabText(0) + "|" + schede->tabText(1) + "|" + schede->tabText(2),
              "Aggiorna|Super Enalotto|Indici");
    EXPECT_EQ(schede->currentIndex(), 0);
    struct Atteso {
        QWidget* controllo;
        const char* nome;
        const char* suggerimento;
        const char* carattere;
    };
    for (auto [controllo, nome, suggerimento, carattere] : {
             Atteso{archivio->Command1(), "Command1", "Prima Estrazione", "MS Serif"},
             Atteso{archivio->Ultima(), "Ultima", "Ultima Estrazione", "MS Serif"},
             Atteso{archivio->Esc(), "Esc", "Chiudi Finestra", "MS Sans Serif"},
             Atteso{archivio->Inserisci(), "Inserisci", "Inserisci Estrazione", "MS Serif"},
             Atteso{archivio->Salva(), "Salva", "Salva Estrazione", "MS Serif"},
             Atteso{archivio->ClipB(), "ClipB", "Preleva dagli Appunti", "MS Serif"},
         }) {
        EXPECT_EQ(archivio->findChild<QWidget*>(nome), controllo);
        EXPECT_EQ(controllo->toolTip(), suggerimento);
        EXPECT_EQ(controllo->font().family(), carattere);
    }
    EXPECT_EQ(archivio->Esc()->text(), "Esci");
    EXPECT_EQ(archivio->ClipB()->text(), "Clipboard");
    const char* titoli[] = {"Estrazione N°", "Annuale:", "Mensile:"};
    QLabel* valori[] = {archivio->Label1(), archivio->Label3(), archivio->Label4()};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(archivio->Label2(i)->text(), QString::fromUtf8(titoli[i]));
        EXPECT_EQ(archivio->Label2(i)->font().family(), "MS Sans Serif");
        // Each caption stands above its value, the three from top to bottom.
        EXPECT_LT(archivio->Label2(i)->y(), valori[i]->y());
        if (i > 0) EXPECT_LT(valori[i - 1]->y(), archivio->Label2(i)->y());
    }
    EXPECT_EQ(archivio->Combo2(0)->font().family(), "MS Serif");
    EXPECT_EQ(archivio->palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST_F(Visualizzazione, Impaginazione) {
    Apri(prova::Settimanali(2));
    MSFlexGrid* grid = Griglia();
    EXPECT_EQ(grid->Rows(), 12);
    EXPECT_EQ(grid->Cols(), 7);
    EXPECT_EQ(grid->FixedRows(), 2);
    EXPECT_EQ(grid->ColWidth(0), 1600);
    EXPECT_EQ(grid->ColWidth(6), 900);
    const int riga = grid->RowHeight(0);
    EXPECT_EQ(Twips(riga), archivio->Combo2(0)->height());
    EXPECT_EQ(grid->RowHeight(11), riga);
    EXPECT_EQ(grid->ColAlignment(3), Qt::AlignCenter);
    EXPECT_EQ(grid->geometry(), QRect(0, 0, Twips(6100), Twips(12 * riga)));
    // Columns 0 to 5 fill the grid; column 6 lies beyond it.
    EXPECT_EQ(grid->columnViewportPosition(6), grid->width());

    QRect barra = archivio->VScroll1()->geometry(), prima = archivio->Command1()->geometry(),
          ultima = archivio->Ultima()->geometry();
    EXPECT_EQ(barra.left(), grid->geometry().right() + 1);
    EXPECT_EQ(prima.topLeft(), QPoint(barra.left(), 0));
    EXPECT_NEAR(barra.top(), prima.bottom() + 1, 1);
    EXPECT_NEAR(ultima.top(), barra.bottom() + 1, 1);
    EXPECT_NEAR(ultima.bottom() + 1, grid->height(), 1);

    QRect schede = archivio->SSTab1()->geometry(), esc = archivio->Esc()->geometry();
    EXPECT_NEAR(schede.left(), barra.right() + 1 + Twips(100), 1);
    EXPECT_NEAR(schede.height(), grid->height() - esc.height() - Twips(100), 1);
    EXPECT_EQ(esc.left(), schede.left());
    EXPECT_EQ(archivio->AltezzaFinestra(), 12 * riga + 380);
    EXPECT_NEAR(esc.top(), Twips(archivio->AltezzaFinestra() - 400) - esc.height(), 1);
    EXPECT_EQ(archivio->LarghezzaFinestra(), 3600 + 6100 + 330 + 200);

    MSFlexGrid* super = archivio->MSFlexGrid2();
    EXPECT_EQ(super->Rows(), 8);
    EXPECT_EQ(super->RowHeight(7), 420);
    EXPECT_EQ(super->height(), Twips(8 * 420));
    EXPECT_NEAR(super->y(), (schede.height() - super->height()) / 2, 1);
}

TEST_F(Visualizzazione, UnaEstrazioneFattaAMano) {
    Apri({Estrazione(30, 12, 2000), Estrazione(4, 1, 2001, 1), FattaAMano(),
          Estrazione(8, 1, 2001, 2)});
    archivio->VScroll1()->setValue(3);
    EXPECT_EQ(Cella(0, 1), "Data:");
    EXPECT_EQ(QStringList({Cella(0, 2), Cella(0, 3), Cella(0, 4), Cella(0, 5)}),
              QStringList({"6", "1", "2001", " sab"}));
    EXPECT_EQ(Cella(1, 1) + Cella(1, 2) + Cella(1, 3) + Cella(1, 4) + Cella(1, 5), "IIIIIIIVV");
    EXPECT_EQ(Cella(2, 0), "Bari");
    EXPECT_EQ(Cella(11, 0), "Venezia");
    EXPECT_EQ(Numeri().mid(0, 10),
              QStringList({"5", "10", "15", "20", "25", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(Numeri().mid(40),
              QStringList({"86", "87", "88", "89", "-", "40", "6", "7", "8", "9"}));
    for (int r = 0; r <= 11; ++r)
        EXPECT_EQ(Cella(r, 6), "") << r;

    const std::vector<std::pair<int, int>> rossi = {{2, 1}, {4, 2}, {6, 1}, {7, 1},
                                                    {8, 1}, {9, 1}, {11, 2}};
    for (int r = 2; r <= 11; ++r)
        for (int c = 1; c <= 5; ++c) {
            bool rossa = std::find(rossi.begin(), rossi.end(), std::make_pair(r, c)) != rossi.end();
            EXPECT_EQ(Griglia()->BackColorAt(r, c), rossa ? kRosso : kGrigioChiaro)
                << r << "," << c;
        }
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(Griglia()->BackColorAt(1, c), QColor(128, 128, 128));
        EXPECT_EQ(Griglia()->ForeColorAt(1, c), QColor(255, 255, 255));
    }
    MSFlexGrid* super = archivio->MSFlexGrid2();
    QStringList combinazione;
    for (int r = 0; r < 8; ++r)
        combinazione << super->TextMatrix(r, 0);
    EXPECT_EQ(combinazione, QStringList({"5", "33", "40", "50", "60", "70", "Jolly", "6"}));
    EXPECT_EQ(super->ForeColorAt(6, 0), kRosso);
    EXPECT_EQ(archivio->Label1()->text(), "3");
    EXPECT_EQ(archivio->Label3()->text(), "2");
    EXPECT_EQ(archivio->Label4()->text(), "2");
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al 8/1/2001");
    // The numbering leaves the shared cursor on the last draw of 2000.
    EXPECT_EQ(Module1().CurrentDrawIndex, 1);
    EXPECT_EQ(Module1().CurrentDraw, Estrazione(30, 12, 2000));
}

TEST_F(Visualizzazione, NessunSegnoRossoRestaDallEstrazionePrima) {
    DrawRecord senzaNapoli = Estrazione(13, 1, 2001, 3);
    Ruota(senzaNapoli, 6, {0, 0, 0, 0, 0});
    Apri({FattaAMano(), senzaNapoli});
    archivio->VScroll1()->setValue(1);
    ASSERT_EQ(Griglia()->BackColorAt(2, 1), kRosso);
    archivio->VScroll1()->setValue(2);
    for (int r = 2; r <= 11; ++r)
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(Griglia()->BackColorAt(r, c), kGrigioChiaro) << r << "," << c;
    for (int r : {0, 5, 7})
        EXPECT_EQ(archivio->MSFlexGrid2()->TextMatrix(r, 0), " - ");
}

TEST_F(Visualizzazione, UnaDataImpossibileSiMostraSenzaGiorno) {
    Apri({Estrazione(31, 4, 2020, 1), Estrazione(2, 5, 2020, 2)});
    archivio->VScroll1()->setValue(1);
    EXPECT_EQ(QStringList({Cella(0, 2), Cella(0, 3), Cella(0, 4), Cella(0, 5)}),
              QStringList({"31", "4", "2020", ""}));
    EXPECT_EQ(archivio->Label1()->text(), "1");
    EXPECT_EQ(Numeri().size(), 50);
    EXPECT_TRUE(script.Mostrati().empty());
}

TEST_F(Visualizzazione, PrimaEUltimaSenzaDomande) {
    Apri(prova::Settimanali(6));
    Clic(archivio->Command1());
    EXPECT_EQ(archivio->VScroll1()->value(), 1);
    EXPECT_EQ(archivio->Label1()->text(), "1");
    EXPECT_EQ(Cella(0, 2) + "/" + Cella(0, 3), "7/1");
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al 11/2/1871");
    // Already on the first draw, it is drawn again too.
    Griglia()->SetTextMatrix(2, 1, "xx");
    Clic(archivio->Command1());
    EXPECT_EQ(Cella(2, 1), QString::number(prova::Settimanali(6)[0].Numbers(1, 1)));

    Clic(archivio->Ultima());
    EXPECT_EQ(archivio->Label1()->text(), "6");
    // Already on the last draw, it is drawn again from the file.
    Griglia()->SetTextMatrix(2, 1, "xx");
    Clic(archivio->Ultima());
    EXPECT_EQ(Cella(2, 1), QString::number(prova::Settimanali(6)[5].Numbers(1, 1)));

    Clic(archivio->Esc());
    EXPECT_EQ(Archivio::Istanza(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return principale->Area()->subWindowList().isEmpty(); }));
    EXPECT_TRUE(script.Mostrati().empty());
}

TEST_F(Visualizzazione, TrascinareIlCursoreMostraOgniEstrazioneInOrdine) {
    Apri(prova::Settimanali(12));
    Clic(archivio->Command1());
    QScrollBar* barra = archivio->VScroll1();
    QStyleOptionSlider opzioni;
    opzioni.initFrom(barra);
    opzioni.subControls = QStyle::SC_All;
    opzioni.orientation = Qt::Vertical;
    opzioni.minimum = barra->minimum();
    opzioni.maximum = barra->maximum();
    opzioni.sliderPosition = opzioni.sliderValue = barra->value();
    opzioni.singleStep = opzioni.pageStep = 1;
    QPoint cursore =
        barra->style()
            ->subControlRect(QStyle::CC_ScrollBar, &opzioni, QStyle::SC_ScrollBarSlider, barra)
            .center();
    QStringList viste{archivio->Label1()->text()};
    QTest::mousePress(barra, Qt::LeftButton, {}, cursore);
    for (int y = cursore.y(); y <= barra->height(); y += 2) {
        QTest::mouseMove(barra, QPoint(cursore.x(), y));
        if (archivio->Label1()->text() != viste.back()) {
            viste << archivio->Label1()->text();
            // What is shown is that record, whole.
            ASSERT_EQ(Cella(2, 1),
                      QString::number(prova::Settimanali(12)[viste.size() - 1].Numbers(1, 1)));
        }
    }
    QTest::mouseRelease(barra, Qt::LeftButton, {}, QPoint(cursore.x(), barra->height() - 1));
    EXPECT_EQ(viste, QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
}

TEST_F(Visualizzazione, ArchivioVuoto) {
    Apri({});
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al ");
    EXPECT_FALSE(archivio->VScroll1()->isEnabled());
    EXPECT_EQ(Cella(2, 0), "Bari");
    EXPECT_EQ(Cella(0, 1), "Data:");
    EXPECT_EQ(Cella(0, 2) + Cella(0, 5) + Numeri().join(""), "");
    EXPECT_EQ(archivio->Label1()->text() + archivio->Label3()->text() + archivio->Label4()->text(),
              "");
    EXPECT_EQ(archivio->MSFlexGrid2()->TextMatrix(0, 0), "");
    EXPECT_EQ(archivio->MSFlexGrid2()->TextMatrix(6, 0), "Jolly");
    Clic(archivio->Command1());
    Clic(archivio->Ultima());
    EXPECT_EQ(Numeri().join(""), "");
    EXPECT_TRUE(script.Mostrati().empty());
}

TEST_F(Visualizzazione, ArchivioDiUnaSolaEstrazione) {
    Apri(prova::Settimanali(1));
    EXPECT_EQ(archivio->Label1()->text(), "1");
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al 7/1/1871");
    Griglia()->SetTextMatrix(4, 3, "xx");
    Clic(archivio->Ultima());
    EXPECT_EQ(Cella(4, 3), QString::number(prova::Settimanali(1)[0].Numbers(3, 3)));
    EXPECT_TRUE(script.Mostrati().empty());
}

}  // namespace
}  // namespace ruotario
