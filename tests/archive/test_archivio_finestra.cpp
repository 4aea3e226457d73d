// The archive window as a person uses it: browsing the draws, typing,
// pasting and saving a new one. Expected values are worked out by hand; at
// 96 dpi 15 twips make a pixel.
#include "finestra_prova.h"
#include "tools/esegui.h"

namespace ruotario {
namespace {

using prova::Estrazione;
using Risposta = MsgBoxResult;

const QString kAppuntiNonValidi =
    "Attenzione: gli Appunti potrebbero essere vuoti oppure\ri dati caricati non sono validi, "
    "riprova";
// Wheel w holds w, w + 10, ..., w + 40, each typed as two digits.
const QString kDigitata =
    "01112131410212223242031323334304142434440515253545"
    "06162636460717273747081828384809192939491020304050";

// 30/12/2000, 4 and 6 January 2001, 8 February 2001; the 4th without
// Napoli. On the 6th Bari gives 5, Firenze 33 (its 5 is taken), Milano 40,
// Napoli 50, Palermo 60, Roma 70, and Venezia 6 for the Jolly (its 40 is
// taken); Genova runs from 80, Cagliari was not drawn and Torino's last is
// below 1.
std::vector<DrawRecord> ArchivioAMano() {
    DrawRecord senzaNapoli = Estrazione(4, 1, 2001, 1);
    prova::Ruota(senzaNapoli, 6, {0, 0, 0, 0, 0});
    const DrawRecord draw{
        6, 1, 2001, {5,  10, 15, 20, 25, 0,  0,  0,  0,  0,  5,  33, 1,  2,  3,  80, 81,
                     82, 83, 84, 40, 41, 42, 43, 44, 50, 51, 52, 53, 54, 60, 61, 62, 63,
                     64, 70, 71, 72, 73, 74, 86, 87, 88, 89, -2, 40, 6,  7,  8,  9}};
    return {Estrazione(30, 12, 2000), senzaNapoli, draw, Estrazione(8, 2, 2001, 2)};
}

struct Finestra : prova::FinestraArchivio {
    // Caption | Label1 Label3 Label4 | the bar's range and value, " ferma"
    // when it takes no input, " liste" when the date lists are up | the date
    // cells and the weekday | the Super Enalotto grid, then the number cells
    // painted red | the numbers, empty cells left out.
    QString Vista() const {
        QScrollBar* b = archivio->VScroll1();
        QString v = archivio->windowTitle() + " | " + Etichette().join(' ') +
                    QString(" | %1..%2:%3").arg(b->minimum()).arg(b->maximum()).arg(b->value()) +
                    (b->isEnabled() ? "" : " ferma") +
                    (archivio->Combo2(0)->isVisible() ? " liste | " : " | ") + Cella(0, 1) + " " +
                    Cella(0, 2) + "/" + Cella(0, 3) + "/" + Cella(0, 4) + Cella(0, 5) + " | ";
        for (int r = 0; r < 8; ++r)
            v += archivio->MSFlexGrid2()->TextMatrix(r, 0).trimmed() + "|";
        for (int i = 0; i < 50; ++i)
            if (Griglia()->BackColorAt(i / 5 + 2, i % 5 + 1) == QColor(255, 0, 0))
                v += QString("%1,%2|").arg(i / 5 + 2).arg(i % 5 + 1);
        return v.chopped(1) + " | " + Numeri().join(' ').simplified();
    }
    QString Parte(int da, int a = -1) const { return Vista().section(" | ", da, a); }
    void ClicCella(int r, int c) const {
        QTest::mouseClick(Griglia()->viewport(), Qt::LeftButton, {},
                          Griglia()->visualRect(Griglia()->model()->index(r, c)).center());
    }
    QString Cursore() const { return QString("%1,%2").arg(Griglia()->Row()).arg(Griglia()->Col()); }

    // Entry: on two draws of January 2003, the last on Friday the 31st.
    void Inizia() {
        Apri({Estrazione(24, 1, 2003, 1), Estrazione(31, 1, 2003, 2)});
        prima = prova::LeggiBytes(LottoDatPath());
        Clic(archivio->Inserisci());
    }
    void Scrivi(const QString& cifre) { QTest::keyClicks(Griglia(), cifre); }
    // The date lists' choice, and the year list: how many, the first, the last.
    QString Data() const {
        QComboBox* anni = archivio->Combo2(2);
        return archivio->Combo2(0)->currentText() + "/" + archivio->Combo2(1)->currentText() + "/" +
               anni->currentText() +
               QString(" %1: %2..%3").arg(anni->count()).arg(anni->itemText(0), anni->itemText(10));
    }
    // Clicks, answering the question about losing the data typed, then OK to
    // the warning given.
    void Premi(QWidget* pulsante, std::optional<Risposta> perdita, const QString& avviso = {}) {
        if (perdita)
            script.Attendi("Attenzione:i dati che hai inserito andranno persi !\nVuoi continuare?",
                           MsgBoxButtons::YesNo, MsgBoxIcon::Critical, *perdita);
        if (!avviso.isEmpty())
            script.Attendi(avviso, MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, Risposta::Ok);
        Clic(pulsante);
    }
    // A window that went away ends the test here rather than in a crash.
    void AncoraInInserimento() {
        if (!archivio || Archivio::Istanza() != archivio)
            throw std::runtime_error("la finestra dell'archivio si è chiusa");
        EXPECT_EQ(Parte(0, 0) + Parte(2, 2).right(12) + QString::number(Module1().EntryPending),
                  "Inserisci Estrazione ferma liste1");
        EXPECT_EQ(prova::LeggiBytes(LottoDatPath()), prima);
    }

    std::string prima;
};

TEST_F(Finestra, SiApreSullUltimaComeDisegnataENavigaSenzaDomande) {
    Apri(ArchivioAMano());
    const QString titolo = "Archivio Estrazioni dal 07/01/1871 al 8/2/2001 | ";
    // On the last draw, the caption naming it. In twips: the grid's columns
    // 1600 and 900 (107 and 60 px), its rows 390 (26); the window 10130 x
    // 4680 (675 x 312) in a frame of 683 x 340 (borders of 4, a caption of
    // 24), centred on the 1000 x 700 main window: (1000 - 683) / 2,
    // (700 - 340) / 2. Its grey shows between bar and tabs.
    EXPECT_EQ(std::tuple(Parte(0, 3).remove(titolo), Griglia()->columnWidth(0),
                         Griglia()->columnWidth(5), Griglia()->rowHeight(11), Griglia()->geometry(),
                         archivio->size(), archivio->parentWidget()->geometry(),
                         archivio->grab().toImage().pixelColor(431, 150)),
              std::tuple("4 3 1 | 1..4:4 | Data: 8/2/2001 gio", 107, 60, 26, QRect(0, 0, 407, 312),
                         QSize(675, 312), QRect(158, 180, 683, 340), QColor(192, 192, 192)));

    archivio->VScroll1()->setValue(3);
    EXPECT_EQ(Vista().section(' ', 0, 28).remove(titolo),
              "3 2 2 | 1..4:3 | Data: 6/1/2001 sab | 5|33|40|50|60|70|Jolly|6|2,1|4,2|6,1|7,1|8,1|"
              "9,1|11,2 | 5 10 15 20 25 - - - - -");
    // Without Napoli: no combination, and no red mark left from draw 3.
    archivio->VScroll1()->setValue(2);
    EXPECT_EQ(Parte(4, 4), "-|-|-|-|-|-|Jolly|-");

    // Twice each: standing on that draw already, it is drawn again from the
    // file. The caption keeps naming the last draw.
    QStringList viste;
    for (QPushButton* pulsante :
         {archivio->Command1(), archivio->Command1(), archivio->Ultima(), archivio->Ultima()}) {
        Griglia()->SetTextMatrix(2, 1, "xx");
        Clic(pulsante);
        viste << Parte(0, 2) + " " + Cella(2, 1);
    }
    EXPECT_EQ(viste.join(", ").remove(titolo),
              "1 1 1 | 1..4:1 1, 1 1 1 | 1..4:1 1, 4 3 1 | 1..4:4 27, 4 3 1 | 1..4:4 27");
    Clic(archivio->Esc());
    EXPECT_EQ(Archivio::Istanza(), nullptr);

    // Draw 3 as `ruotario-cli mostra` ends it: the same wheels, combination and marks.
    EXPECT_EQ(
        prova::Cli("mostra 3 --archivio " + LottoDatPath().string() + " | tail -n 5").uscita,
        "Torino\t86\t87\t88\t89\t-\nVenezia\t40\t6\t7\t8\t9\nSuper Enalotto\t5\t33\t40\t50\t60\t"
        "70\nJolly\t6\nRossi\t2,1\t4,2\t6,1\t7,1\t8,1\t9,1\t11,2\n");
}

// A date that is not a real one, as only a damaged file holds: shown without
// a weekday, drawn again by Ultima. An empty archive: nothing to show or to
// read. Outside entry Salva and Clipboard do nothing; entry proposes today.
TEST_F(Finestra, SenzaUnaDataValidaLInserimentoProponeOggi) {
    const QString proposta = QDate::currentDate().toString("d/MM/yyyy 11: yyyy..") +
                             QString::number(QDate::currentDate().year() + 10);
    QStringList viste;
    for (const auto& draws : {std::vector{Estrazione(31, 2, 2020, 1)}, std::vector<DrawRecord>{}}) {
        Apri(draws);
        QGuiApplication::clipboard()->setText("12 34");
        Griglia()->SetTextMatrix(2, 1, "xx");
        for (QPushButton* pulsante : {archivio->Ultima(), archivio->Salva(), archivio->ClipB()})
            Clic(pulsante);
        viste << Parte(0, 3) + " " + Cella(2, 0) + Cella(2, 1);
        Clic(archivio->Inserisci());
        viste << (Data() == proposta ? "oggi" : Data());
        Module1().EntryPending = 0;
    }
    EXPECT_EQ(viste.join("\n"),
              "Archivio Estrazioni dal 07/01/1871 al 31/2/2020 | 1 1 1 | 1..1:1 | Data: 31/2/2020 "
              "Bari14\noggi\nArchivio Estrazioni dal 07/01/1871 al  |    | 1..1:1 ferma | Data: // "
              "Bari\noggi");
}

TEST_F(Finestra, InserisciPreparaLaGrigliaEDueCifrePerCella) {
    Inizia();
    AncoraInInserimento();
    EXPECT_EQ(Data() + " " + Parte(3), "31/01/2003 11: 2003..2013 Data: // ven | ||||||Jolly| | ");
    // Over the date cells, each a number column wide; the grid has the focus.
    EXPECT_EQ(std::tuple(archivio->Combo2(0)->geometry(), archivio->Combo2(2)->geometry(),
                         Griglia()->hasFocus()),
              std::tuple(QRect(167, 0, 60, 26), QRect(287, 0, 60, 26), true));

    // Two digits a cell, the cursor moving on by itself, from Venezia back to
    // Bari; anything else is no digit. The cursor comes back among the wheels
    // when the grid takes the focus with it on the date or the positions row;
    // a click on a wheel name leaves it.
    QStringList cursori;
    for (const QString& passo :
         QString("2,1,45 2,2,4 3,3,7x-8 6,5,90 11,5,07 0,1, 1,4, 5,0,3").split(' ')) {
        const int r = passo.section(',', 0, 0).toInt(), c = passo.section(',', 1, 1).toInt();
        archivio->Salva()->setFocus();
        if (r < 2) Griglia()->setCurrentCell(r, c);
        ClicCella(r, c);
        Scrivi(passo.section(',', 2));
        cursori << Cursore();
    }
    EXPECT_EQ(cursori.join(" ") + " | " + Parte(5),
              "2,2 2,2 3,4 7,1 2,1 2,1 2,4 2,4 | 45 4 3 78 90 07");

    // February: 31/02 is no date; the days follow month and year, day 1 chosen.
    QStringList date;
    for (auto [lista, tasto] : {std::pair{1, Qt::Key_Down}, {0, Qt::Key_End}, {2, Qt::Key_Down}}) {
        QTest::keyClick(archivio->Combo2(lista), tasto);
        date << QString::number(archivio->Combo2(0)->count()) + " " + Data().section(' ', 0, 0) +
                    Cella(0, 5);
    }
    EXPECT_EQ(date.join(", "), "28 1/02/2003 sab, 28 28/02/2003 ven, 29 1/02/2004 dom");
}

// No to each question keeps the draw typed; the close box asks its own.
TEST_F(Finestra, DomandePrimaDiPerdereIDati) {
    Inizia();
    Scrivi("45");
    for (QPushButton* pulsante :
         {archivio->Command1(), archivio->Ultima(), archivio->Esc(), archivio->Inserisci()}) {
        Premi(pulsante, Risposta::No);
        AncoraInInserimento();
    }
    script.Attendi("Gestione Archivio: i dati che hai inserito andranno persi !\nVuoi continuare?",
                   MsgBoxButtons::YesNo, MsgBoxIcon::Critical, Risposta::No);
    archivio->parentWidget()->close();
    AncoraInInserimento();
    EXPECT_EQ(Parte(5), "45");

    // Yes to the first draw: browsing again, where typing takes nothing.
    Premi(archivio->Command1(), Risposta::Yes);
    Scrivi("45");
    EXPECT_EQ(Parte(0, 3) + " " + Cella(2, 1) + " " + QString::number(Module1().EntryPending),
              "Archivio Estrazioni dal 07/01/1871 al 31/1/2003 | 1 1 1 | 1..2:1 | Data: 24/1/2003 "
              "ven 14 0");

    // Yes to Esc: the window closes without asking again.
    Clic(archivio->Inserisci());
    Premi(archivio->Esc(), Risposta::Yes);
    EXPECT_EQ(Archivio::Istanza(), nullptr);
}

// Refused: 00, 91, a cell empty, 31 twice on Bari, and no day
// chosen. The draw is saved on the date of the lists after a first No, with
// 1 on Bari and on Venezia like any other number.
TEST_F(Finestra, SalvaRifiutaIDatiNonConformiEConSiAccoda) {
    Inizia();
    for (const QString& cifre :
         {"00" + kDigitata.mid(2), kDigitata.left(40) + "91" + kDigitata.mid(42),
          kDigitata.left(98), kDigitata.left(8) + "31" + kDigitata.mid(10), kDigitata}) {
        Premi(archivio->Inserisci(), Risposta::Yes);
        Scrivi(cifre);
        if (cifre == kDigitata) archivio->Combo2(0)->setCurrentIndex(-1);
        Premi(archivio->Salva(), {}, "I dati non sono conformi");
        AncoraInInserimento();
        EXPECT_EQ(Numeri().join(""), cifre);
    }

    Premi(archivio->Inserisci(), Risposta::Yes);
    Scrivi(kDigitata.left(90) + "01" + kDigitata.mid(92));
    ClicCella(3, 2);
    Scrivi("5");  // one digit, then a move by hand: saved as 5
    ClicCella(4, 4);
    QTest::keyClick(archivio->Combo2(1), Qt::Key_Down);  // February, and day 1
    QTest::keyClick(archivio->Combo2(2), Qt::Key_Down);  // 2004
    for (Risposta risposta : {Risposta::No, Risposta::Yes})
        script.Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                       risposta);
    Clic(archivio->Salva());
    AncoraInInserimento();
    Clic(archivio->Salva());
    const DrawRecord attesa{
        1, 2, 2004, {1,  11, 21, 31, 41, 2,  5,  22, 32, 42, 3,  13, 23, 33, 43, 4,  14,
                     24, 34, 44, 5,  15, 25, 35, 45, 6,  16, 26, 36, 46, 7,  17, 27, 37,
                     47, 8,  18, 28, 38, 48, 9,  19, 29, 39, 49, 1,  20, 30, 40, 50}};
    EXPECT_EQ(prova::LeggiBytes(LottoDatPath()), prima + EncodeDraw(attesa));
    // Closed, and the main window reloaded.
    EXPECT_TRUE(Archivio::Istanza() == nullptr && Module1().DrawCount == 3);
}

TEST_F(Finestra, AppuntiNumeriInOrdineDiRuota) {
    Inizia();
    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));  // and no text
    Premi(archivio->ClipB(), {}, kAppuntiNonValidi);

    // Fewer than fifty over typed cells: asked first, the rest left as typed.
    // Bari 70, Firenze 3, Milano 5, Napoli 6, Palermo 7, Roma 8, Venezia 10.
    Scrivi(kDigitata);
    QGuiApplication::clipboard()->setText("70 71 72");
    Premi(archivio->ClipB(), Risposta::No);
    EXPECT_EQ(Numeri().join(""), kDigitata);
    Premi(archivio->ClipB(), Risposta::Yes);
    const QString primi = "|2,1|4,1|6,1|7,1|8,1|9,1|11,1 | ";
    EXPECT_EQ(Numeri().join("") + " " + Parte(4, 4),
              "707172" + kDigitata.mid(6) + " 3|5|6|7|8|70|Jolly|10" + primi.chopped(3));

    // Fifty numbers and more: the fifty, wheel after wheel. A date before
    // them shifts them and its year is no number: the combination stays.
    const QString uno =
        "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 30 31 32 "
        "33 34 35 36 37 38 39 40 41 42 43 44 45 46 47 48 49 50";
    const QString super = "1|11|21|26|31|36|Jolly|46" + primi;
    for (auto [testo, atteso] :
         {std::pair{uno + ", 51\t52", super + uno},
          {"07/01/2004\n" + uno, super + "7 1 2004 " + uno.section(' ', 0, 46)}}) {
        QGuiApplication::clipboard()->setText(testo);
        Premi(archivio->ClipB(), Risposta::Yes, testo.startsWith("07") ? kAppuntiNonValidi : "");
        AncoraInInserimento();
        EXPECT_EQ(Parte(4) + " " + Cursore(), atteso + " 11,5");
    }
}

}  // namespace
}  // namespace ruotario
