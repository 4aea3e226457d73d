// The archive window as a person uses it: browsing the draws, typing,
// pasting and saving a new one. Expected values are worked out by hand; at
// 96 dpi 15 twips make a pixel.
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QTabWidget>
#include <cerrno>

#include "finestra_prova.h"
#include "support/io_guasto.h"
#include "tools/esegui.h"

namespace ruotario {
namespace {

using prova::Estrazione;
using Risposta = MsgBoxResult;

const QColor kRosso(255, 0, 0);
const QString kAppuntiNonValidi =
    "Attenzione: gli Appunti potrebbero essere vuoti oppure\ri dati caricati non sono validi, "
    "riprova";
// Wheel w holds w, w + 10, ..., w + 40, each typed as two digits.
const QString kDigitata =
    "01112131410212223242031323334304142434440515253545"
    "06162636460717273747081828384809192939491020304050";

// 30/12/2000, then 4, 6 and 8 January 2001; the 4th without Napoli. On the
// 6th Bari gives 5, Firenze 33 (its 5 is taken), Milano 40, Napoli 50,
// Palermo 60, Roma 70, and Venezia 6 for the Jolly (its 40 is taken);
// Genova runs from 80, Cagliari was not drawn and Torino's last is below 1.
std::vector<DrawRecord> ArchivioAMano() {
    DrawRecord senzaNapoli = Estrazione(4, 1, 2001, 1);
    prova::Ruota(senzaNapoli, 6, {0, 0, 0, 0, 0});
    DrawRecord draw = prova::EstrazioneVuota(6, 1, 2001);
    prova::Ruota(draw, 1, {5, 10, 15, 20, 25});
    prova::Ruota(draw, 3, {5, 33, 1, 2, 3});
    for (auto [w, n] : {std::pair{4, 80}, {5, 40}, {6, 50}, {7, 60}, {8, 70}})
        prova::Ruota(draw, w, {n, n + 1, n + 2, n + 3, n + 4});
    prova::Ruota(draw, 9, {86, 87, 88, 89, -2});
    prova::Ruota(draw, 10, {40, 6, 7, 8, 9});
    return {Estrazione(30, 12, 2000), senzaNapoli, draw, Estrazione(8, 1, 2001, 2)};
}

struct Finestra : prova::FinestraArchivio {
    // Caption | Label1 Label3 Label4 | the bar's range and value, " ferma"
    // when it takes no input, and " liste" when the date lists are up.
    QString Stato() const {
        QScrollBar* barra = archivio->VScroll1();
        return QString("%1 | %2 | %3..%4:%5%6%7")
            .arg(archivio->windowTitle(), Etichette().join(" "))
            .arg(barra->minimum())
            .arg(barra->maximum())
            .arg(barra->value())
            .arg(barra->isEnabled() ? "" : " ferma",
                 archivio->Combo2(0)->isVisible() ? " liste" : "");
    }
    QString DataMostrata() const { return Cella(0, 2) + "/" + Cella(0, 3) + "/" + Cella(0, 4); }
    // The Super Enalotto grid's eight cells, then the number cells painted red.
    QString Super() const {
        QStringList celle;
        for (int r = 0; r < 8; ++r)
            celle << archivio->MSFlexGrid2()->TextMatrix(r, 0);
        for (int r = 2; r <= 11; ++r)
            for (int c = 1; c <= 5; ++c)
                if (Griglia()->BackColorAt(r, c) == kRosso) celle << QString("%1,%2").arg(r).arg(c);
        return celle.join("|");
    }

    // Entry: on two draws of January 2003, the last on Friday the 31st.
    void Inizia(std::vector<DrawRecord> draws = {Estrazione(24, 1, 2003, 1),
                                                 Estrazione(31, 1, 2003, 2)}) {
        Apri(draws);
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
    // The boxes expected next, and their answers.
    void Perdita(Risposta risposta) {
        script.Attendi(prova::kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, risposta);
    }
    void Avviso(const QString& testo) {
        script.Attendi(testo, MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, Risposta::Ok);
    }
    // A window that went away ends the test here rather than in a crash.
    void AncoraInInserimento() {
        if (!archivio || Archivio::Istanza() != archivio)
            throw std::runtime_error("la finestra dell'archivio si è chiusa");
        EXPECT_EQ(Module1().EntryPending, 1);
        EXPECT_TRUE(Stato().startsWith("Inserisci Estrazione |") && Stato().endsWith("ferma liste"))
            << Stato().toStdString();
        EXPECT_EQ(prova::LeggiBytes(LottoDatPath()), prima);
    }

    std::string prima;
};

using Visualizzazione = Finestra;
using Inserimento = Finestra;

TEST_F(Visualizzazione, SiApreSullUltimaComeDisegnataENavigaSenzaDomande) {
    Apri(ArchivioAMano());
    const QString titolo = "Archivio Estrazioni dal 07/01/1871 al 8/1/2001";
    EXPECT_EQ(Stato(), titolo + " | 4 3 3 | 1..4:4");
    principale->mnuEstra()->trigger();
    EXPECT_EQ(Archivio::Istanza(), archivio);
    EXPECT_EQ(principale->Area()->activeSubWindow(), Cornice());

    // In twips: the grid's columns 1600 and 900 (107 and 60 px), its rows 390
    // (26); the window 10130 x 4680 (675 x 312) in a frame of 683 x 340
    // (borders of 4, a caption of 24), centred on the 1000 x 700 main window:
    // (1000 - 683) / 2, (700 - 340) / 2. Its grey shows between bar and tabs.
    EXPECT_EQ(
        std::tuple(Griglia()->columnWidth(0), Griglia()->columnWidth(5), Griglia()->rowHeight(11)),
        std::tuple(107, 60, 26));
    EXPECT_EQ(Griglia()->geometry(), QRect(0, 0, 407, 312));
    EXPECT_EQ(archivio->size(), QSize(675, 312));
    EXPECT_EQ(Cornice()->geometry(), QRect(158, 180, 683, 340));
    EXPECT_EQ(archivio->grab().toImage().pixelColor(431, 150), QColor(192, 192, 192));
    QStringList testi;
    for (QWidget* controllo : archivio->findChildren<QWidget*>(
             QRegularExpression("^(Command1|Ultima|Esc|Inserisci|Salva|ClipB|Label2_.)$")))
        testi << controllo->property("text").toString() + "/" + controllo->toolTip();
    for (int i = 0; i < 3; ++i)
        testi << archivio->SSTab1()->tabText(i);
    EXPECT_EQ(testi.join("|"),
              "/Prima Estrazione|/Ultima Estrazione|Esci/Chiudi Finestra|Inserisci/Inserisci "
              "Estrazione|Salva/Salva Estrazione|Clipboard/Preleva dagli Appunti|Estrazione N°/|"
              "Annuale:/|Mensile:/|Aggiorna|Super Enalotto|Indici");

    // Draw 3: every number cell light grey but the red ones.
    archivio->VScroll1()->setValue(3);
    EXPECT_EQ(Stato() + " " + DataMostrata() + Cella(0, 5),
              titolo + " | 3 2 2 | 1..4:3 6/1/2001 sab");
    EXPECT_EQ(Numeri().join(" "),
              "5 10 15 20 25 - - - - - 5 33 1 2 3 80 81 82 83 84 40 41 42 43 44 50 51 52 53 54 60 "
              "61 62 63 64 70 71 72 73 74 86 87 88 89 - 40 6 7 8 9");
    EXPECT_EQ(Super(), "5|33|40|50|60|70|Jolly|6|2,1|4,2|6,1|7,1|8,1|9,1|11,2");
    QStringList fisse;  // and the sixth column shows nothing
    for (int r = 0; r <= 11; ++r)
        fisse << Cella(r, 0) + Cella(r, 6);
    for (int c = 1; c <= 5; ++c) {
        fisse << Cella(1, c);
        EXPECT_EQ(Griglia()->BackColorAt(1, c), QColor(128, 128, 128));
        EXPECT_EQ(Griglia()->ForeColorAt(1, c), QColor(255, 255, 255));
        for (int r = 2; r <= 11; ++r)
            EXPECT_TRUE(Griglia()->BackColorAt(r, c) == kRosso ||
                        Griglia()->BackColorAt(r, c) == QColor(224, 224, 224));
    }
    EXPECT_EQ(fisse.join(" ") + Cella(0, 1),
              "  Bari Cagliari Firenze Genova Milano Napoli Palermo Roma Torino Venezia I II III "
              "IV VData:");
    EXPECT_EQ(archivio->MSFlexGrid2()->ForeColorAt(6, 0), kRosso);  // "Jolly"
    // The numbering leaves the shared cursor on the last draw of 2000.
    EXPECT_EQ(Module1().CurrentDrawIndex, 1);
    EXPECT_EQ(Module1().CurrentDraw, Estrazione(30, 12, 2000));
    // Without Napoli: no combination, and no red mark left from draw 3.
    archivio->VScroll1()->setValue(2);
    EXPECT_EQ(Super(), " - | - | - | - | - | - |Jolly| - ");

    // Twice each: standing on that draw already, it is drawn again from the
    // file; then the thumb dragged from the first draw to the last shows each.
    QStringList viste;
    for (QPushButton* pulsante :
         {archivio->Command1(), archivio->Command1(), archivio->Ultima(), archivio->Ultima()}) {
        Griglia()->SetTextMatrix(2, 1, "xx");
        Clic(pulsante);
        viste << Stato().section(" | ", 1) + " " + DataMostrata() + " " + Cella(2, 1);
    }
    Clic(archivio->Command1());
    archivio->VScroll1()->setSliderDown(true);
    for (int posizione = 1; posizione <= 4; ++posizione) {
        archivio->VScroll1()->setSliderPosition(posizione);
        viste << archivio->Label1()->text() + ":" + Cella(2, 1);
    }
    archivio->VScroll1()->setSliderDown(false);
    EXPECT_EQ(viste.join(", "),
              "1 1 1 | 1..4:1 30/12/2000 1, 1 1 1 | 1..4:1 30/12/2000 1, "
              "4 3 3 | 1..4:4 8/1/2001 27, 4 3 3 | 1..4:4 8/1/2001 27, "
              "1:1, 2:14, 3:5, 4:27");
    EXPECT_TRUE(Stato().startsWith(titolo));
    Clic(archivio->Esc());
    EXPECT_EQ(Archivio::Istanza(), nullptr);
}

// Draw 3 of the same archive as `ruotario-cli mostra` prints it.
TEST(Mostra, UnaEstrazioneComeLaMostraLaFinestra) {
    prova::CartellaProva cartella;
    prova::ScriviArchivio(ArchivioAMano());
    const auto esito = prova::Cli("mostra 3 --archivio " + LottoDatPath().string());
    EXPECT_EQ(esito.codice, 0) << esito.errori;
    EXPECT_EQ(esito.uscita,
              "Estrazione\t3\nData\t6\t1\t2001\t sab\nAnnuale\t2\nMensile\t2\n"
              "Bari\t5\t10\t15\t20\t25\nCagliari\t-\t-\t-\t-\t-\n"
              "Firenze\t5\t33\t1\t2\t3\nGenova\t80\t81\t82\t83\t84\n"
              "Milano\t40\t41\t42\t43\t44\nNapoli\t50\t51\t52\t53\t54\n"
              "Palermo\t60\t61\t62\t63\t64\nRoma\t70\t71\t72\t73\t74\n"
              "Torino\t86\t87\t88\t89\t-\nVenezia\t40\t6\t7\t8\t9\n"
              "Super Enalotto\t5\t33\t40\t50\t60\t70\nJolly\t6\n"
              "Rossi\t2,1\t4,2\t6,1\t7,1\t8,1\t9,1\t11,2\n");
}

// Nothing to show or to read, and outside entry Salva and Clipboard do
// nothing; entry proposes today.
TEST_F(Visualizzazione, ArchivioVuotoSoloITestiFissi) {
    Apri({});
    QGuiApplication::clipboard()->setText("12 34");
    for (QPushButton* pulsante :
         {archivio->Command1(), archivio->Ultima(), archivio->Salva(), archivio->ClipB()})
        Clic(pulsante);
    EXPECT_EQ(Stato(), "Archivio Estrazioni dal 07/01/1871 al  |    | 1..1:1 ferma");
    EXPECT_EQ(Cella(2, 0) + Cella(0, 1) + Cella(0, 2) + Cella(0, 5) + Numeri().join("") + Super(),
              "BariData:||||||Jolly|");
    Clic(archivio->Inserisci());
    EXPECT_EQ(Data().section(' ', 0, 0), QDate::currentDate().toString("d/MM/yyyy"));
}

// A date that is not a real one, as only a damaged file holds: shown without
// a weekday, and entry proposes today's date instead.
TEST_F(Inserimento, UnaSolaEstrazioneSuUnaDataCheNonEsiste) {
    Apri({Estrazione(31, 2, 2020, 1)});
    for (int volta = 0; volta < 2; ++volta) {  // as it opens, and after Ultima
        EXPECT_EQ(Stato() + " " + DataMostrata() + "|" + Cella(0, 5) + "|" + Cella(2, 1),
                  "Archivio Estrazioni dal 07/01/1871 al 31/2/2020 | 1 1 1 | 1..1:1 31/2/2020||14");
        Griglia()->SetTextMatrix(2, 1, "xx");
        Clic(archivio->Ultima());
    }
    Clic(archivio->Inserisci());
    const QDate oggi = QDate::currentDate();
    EXPECT_EQ(Data(), oggi.toString("d/MM/yyyy") +
                          QString(" 11: %1..%2").arg(oggi.year()).arg(oggi.year() + 10));
}

TEST_F(Inserimento, InserisciPreparaLaGrigliaEDueCifrePerCella) {
    Inizia();
    AncoraInInserimento();
    EXPECT_EQ(Data(), "31/01/2003 11: 2003..2013");
    for (int i = 0; i < 3; ++i) {  // over the date cells, a number column wide; dark grey
        QComboBox* lista = archivio->Combo2(i);
        EXPECT_EQ(lista->geometry(), QRect(167 + 60 * i, 0, 60, 26));
        EXPECT_EQ(lista->grab().toImage().pixelColor(lista->width() / 2, lista->height() / 2),
                  QColor(64, 64, 64));
    }
    EXPECT_EQ(Cella(0, 1) + Cella(0, 5) + Cella(2, 0) + Numeri().join("") + Super(),
              "Data: venBari||||||Jolly|");
    EXPECT_EQ(Griglia()->BackColorAt(2, 1), QColor(255, 255, 255));
    EXPECT_TRUE(Griglia()->hasFocus() && Griglia()->TabStop());

    // Two digits a cell, the cursor moving on by itself, from Venezia back to
    // Bari; anything else is no digit.
    QStringList cursori;
    for (auto [r, c, cifre] :
         {std::tuple{2, 1, "45"}, {2, 2, "4"}, {3, 3, "7x-8"}, {6, 5, "90"}, {11, 5, "07"}}) {
        ClicCella(r, c);
        Scrivi(cifre);
        cursori << QString("%1,%2").arg(Cursore().first).arg(Cursore().second);
    }
    EXPECT_EQ(cursori.join(" ") + " " + Numeri().join(""), "2,2 2,2 3,4 7,1 2,1 454789007");
    // The cursor comes back among the wheels whenever the grid takes the
    // focus; the wheel names are headers, where a click leaves it as it was.
    for (int riga : {0, 1}) {
        archivio->Salva()->setFocus();
        Griglia()->SetCol(4);
        Griglia()->SetRow(riga);
        ClicCella(1, 2);
        EXPECT_EQ(Cursore(), std::make_pair(2, 4)) << riga;
    }
    ClicCella(5, 0);
    Scrivi("3");
    EXPECT_EQ(Cella(5, 0) + " " + Cella(2, 4), "Genova 3");

    // February: 31/02 is no date; the days follow month and year, day 1 chosen.
    QStringList date;
    for (auto [lista, tasto] : {std::pair{1, Qt::Key_Down}, {0, Qt::Key_End}, {2, Qt::Key_Down}}) {
        QTest::keyClick(archivio->Combo2(lista), tasto);
        date << QString("%1 %2%3")
                    .arg(archivio->Combo2(0)->count())
                    .arg(Data().section(' ', 0, 0), Cella(0, 5));
    }
    EXPECT_EQ(date.join(", "), "28 1/02/2003 sab, 28 28/02/2003 ven, 29 1/02/2004 dom");
}

TEST_F(Inserimento, DomandePrimaDiPerdereIDati) {
    Inizia(prova::Settimanali(6));
    Scrivi("45");
    for (QPushButton* pulsante :
         {archivio->Command1(), archivio->Ultima(), archivio->Esc(), archivio->Inserisci()}) {
        Perdita(Risposta::No);
        Clic(pulsante);
        AncoraInInserimento();
        EXPECT_EQ(Numeri().join(""), "45") << pulsante->objectName().toStdString();
    }
    script.Attendi("Gestione Archivio: i dati che hai inserito andranno persi !\nVuoi continuare?",
                   MsgBoxButtons::YesNo, MsgBoxIcon::Critical, Risposta::No);
    Cornice()->close();
    AncoraInInserimento();

    // Yes to the first draw: browsing again, where typing takes nothing. Then
    // 11 February: the sixth of its year, the second of its month.
    Perdita(Risposta::Yes);
    Clic(archivio->Command1());
    Scrivi("45");
    const QString titolo = "Archivio Estrazioni dal 07/01/1871 al 11/2/1871 | ";
    EXPECT_EQ(Stato() + " " + Cella(2, 1), titolo + "1 1 1 | 1..6:1 1");
    EXPECT_EQ(Module1().EntryPending, 0);
    archivio->VScroll1()->setValue(6);
    EXPECT_EQ(Stato(), titolo + "6 6 2 | 1..6:6");

    // Yes to the last draw, which cannot be read back: no discarded draw stays.
    Clic(archivio->Inserisci());
    Scrivi("4512");
    {
        prova::IoGuasto guasto;
        guasto.Fallisci(prova::IoGuasto::Op::Read, EIO);
        Perdita(Risposta::Yes);
        script.Attendi(
            QString::fromStdString("Impossibile leggere il file \"" + LottoDatPath().string() +
                                   "\": errore di lettura o scrittura sul disco."),
            MsgBoxButtons::Ok, MsgBoxIcon::Critical, Risposta::Ok);
        Clic(archivio->Ultima());
    }
    EXPECT_EQ(Stato() + Numeri().join(""), "Archivio Estrazioni dal 07/01/1871 al  |    | 1..6:6");
    EXPECT_EQ(Module1().EntryPending, 0);

    // Yes to Esc: the window closes without asking again.
    Clic(archivio->Inserisci());
    Perdita(Risposta::Yes);
    Clic(archivio->Esc());
    EXPECT_EQ(Archivio::Istanza(), nullptr);
}

// Data not fit to save are refused, and so is a date that is not a real one;
// the draw is saved on the date of the lists, with 12 on Bari and on Roma like
// any other number, after a first No.
TEST_F(Inserimento, SalvaRifiutaIDatiNonConformiEConSiAccoda) {
    Inizia();
    for (const QString& cifre : {"00" + kDigitata.mid(2),                        // 00
                                 kDigitata.left(40) + "91" + kDigitata.mid(42),  // 91
                                 kDigitata.left(98),                             // a cell empty
                                 kDigitata.left(98) + "0",                       // a lone 0
                                 "1212" + kDigitata.mid(4),                      // 12 twice on Bari
                                 kDigitata}) {  // and no day chosen
        Perdita(Risposta::Yes);
        Clic(archivio->Inserisci());
        Scrivi(cifre);
        if (cifre == kDigitata) archivio->Combo2(0)->setCurrentIndex(-1);
        Avviso("I dati non sono conformi");
        Clic(archivio->Salva());
        AncoraInInserimento();
        EXPECT_EQ(Numeri().join(""), cifre);
    }

    Perdita(Risposta::Yes);
    Clic(archivio->Inserisci());
    Scrivi("12" + kDigitata.mid(2, 68) + "12" + kDigitata.mid(72));
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
    DrawRecord attesa = prova::EstrazioneVuota(1, 2, 2004);
    for (int i = 0; i < 50; ++i)
        attesa.Cells[i] = static_cast<std::int16_t>(i / 5 + 1 + i % 5 * 10);
    attesa.Numbers(1, 1) = attesa.Numbers(1, 8) = 12;
    attesa.Numbers(2, 2) = 5;
    EXPECT_EQ(prova::LeggiBytes(LottoDatPath()), prima + EncodeDraw(attesa));
    EXPECT_EQ(Archivio::Istanza(), nullptr);  // closed, and the main window reloaded
    EXPECT_EQ(Module1().DrawCount, 3);
}

TEST_F(Inserimento, AppuntiNumeriInOrdineDiRuota) {
    Inizia();
    QImage figura(4, 4, QImage::Format_RGB32);  // a picture, and no text
    figura.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(figura);
    Avviso(kAppuntiNonValidi);
    Clic(archivio->ClipB());

    // Fewer than fifty over typed cells: asked first, the rest left as typed.
    Scrivi(kDigitata);
    QGuiApplication::clipboard()->setText("70 71 72");
    Perdita(Risposta::No);
    Clic(archivio->ClipB());
    EXPECT_EQ(Numeri().join(""), kDigitata);
    Perdita(Risposta::Yes);
    Clic(archivio->ClipB());
    EXPECT_EQ(Numeri().join(""), "707172" + kDigitata.mid(6));
    // Bari 70, Firenze 3, Milano 5, Napoli 6, Palermo 7, Roma 8, Venezia 10.
    const QString primi = "|2,1|4,1|6,1|7,1|8,1|9,1|11,1";
    EXPECT_EQ(Super(), "3|5|6|7|8|70|Jolly|10" + primi);

    // The text, the fifty cells, and the combination: left as it was when
    // invalid. Ten lines with the wheel names and five numbers more; Roma's
    // five all taken, so no combination and no cell marked.
    QString righe, uno = "1";
    for (int n = 2; n <= 50; ++n)
        uno += " " + QString::number(n);
    const QString roma = uno.section(' ', 0, 34) + " 1 11 21 26 31 " + uno.section(' ', 40);
    for (int w = 0; w < 10; ++w)
        righe += Cella(w + 2, 0) + "\t" + uno.section(' ', w * 5, w * 5 + 4) + "\r\n";
    const QString casi[][3] = {
        {"07/01/2004\n" + uno, "7 1 2004 " + uno.section(' ', 0, 46), "3|5|6|7|8|70|Jolly|10"},
        {righe + "Extra, 51, 52, 53, 54, 55", uno, "1|11|21|26|31|36|Jolly|46"},
        {"05x" + uno.mid(2).replace(' ', 'a') + "zz", "5 " + uno.mid(2),
         "5|11|21|26|31|36|Jolly|46"},
        {"0 " + uno.mid(2), "0 " + uno.mid(2), "5|11|21|26|31|36|Jolly|46"},
        {roma, roma, " - | - | - | - | - | - |Jolly| - "},
    };
    for (const auto& [testo, numeri, super] : casi) {
        SCOPED_TRACE(testo.toStdString());
        Perdita(Risposta::Yes);
        if (numeri.startsWith("7 ") || numeri.startsWith("0 ")) Avviso(kAppuntiNonValidi);
        QGuiApplication::clipboard()->setText(testo);
        Clic(archivio->ClipB());
        AncoraInInserimento();
        EXPECT_EQ(Numeri().join(" "), numeri);
        EXPECT_EQ(Super(), super + (super.startsWith(" -") ? "" : primi));
        EXPECT_EQ(Cursore(), std::make_pair(11, 5));
    }
}

}  // namespace
}  // namespace ruotario
