// The archive window as a person uses it: browsing the draws, typing,
// pasting and saving a new one. Expected values are worked out by hand.
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QImage>
#include <QTabWidget>
#include <cerrno>

#include "estrazioni_a_mano.h"
#include "finestra_prova.h"
#include "shell/twips.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using prova::Estrazione;
using Risposta = MsgBoxResult;

const QColor kRosso(255, 0, 0);
const QColor kGrigioChiaro(224, 224, 224);
const QString kAppuntiNonValidi =
    "Attenzione: gli Appunti potrebbero essere vuoti oppure\ri dati caricati non sono validi, "
    "riprova";
// Wheel w holds w, w + 10, ..., w + 40, each typed as two digits.
const QString kDigitata =
    "01112131410212223242031323334304142434440515253545"
    "06162636460717273747081828384809192939491020304050";

QString Sequenza(int da, int a, const QString& separatore = " ") {
    QStringList numeri;
    for (int n = da; n <= a; ++n)
        numeri << QString::number(n);
    return numeri.join(separatore);
}

struct Finestra : prova::FinestraArchivio {
    // What the window shows, in the lines `ruotario-cli mostra` prints: the
    // labels, the date row, each wheel's name and cells, the Super Enalotto
    // grid and the number cells painted red; every other one must be light grey.
    std::string Scheda() const {
        QString testo = "Estrazione\t" + archivio->Label1()->text() + "\nData";
        for (int c = 2; c <= 5; ++c)
            testo += "\t" + Cella(0, c);
        testo += "\nAnnuale\t" + archivio->Label3()->text() + "\nMensile\t" +
                 archivio->Label4()->text() + "\n";
        QString rossi = "Rossi";
        for (int r = 2; r <= 11; ++r) {
            testo += Cella(r, 0);
            for (int c = 1; c <= 5; ++c) {
                testo += "\t" + Cella(r, c);
                if (Griglia()->BackColorAt(r, c) == kRosso)
                    rossi += QString("\t%1,%2").arg(r).arg(c);
                else
                    EXPECT_EQ(Griglia()->BackColorAt(r, c), kGrigioChiaro) << r << "," << c;
            }
            testo += "\n";
        }
        QStringList super = Super();
        testo += "Super Enalotto\t" + super.mid(0, 6).join("\t") + "\nJolly\t" + super[7] + "\n";
        return (testo + rossi + "\n").toStdString();
    }
    QStringList Super() const {
        QStringList celle;
        for (int r = 0; r < 8; ++r)
            celle << archivio->MSFlexGrid2()->TextMatrix(r, 0);
        return celle;
    }
    QString DataMostrata() const { return Cella(0, 2) + "/" + Cella(0, 3) + "/" + Cella(0, 4); }

    // Entry: on two draws of January 2003, the last on Friday the 31st.
    void Inizia(std::vector<DrawRecord> draws = {Estrazione(24, 1, 2003, 1),
                                                 Estrazione(31, 1, 2003, 2)}) {
        Apri(draws);
        prima = prova::LeggiBytes(LottoDatPath());
        Clic(archivio->Inserisci());
    }
    void Scrivi(const QString& cifre) { QTest::keyClicks(Griglia(), cifre); }
    QString DataScelta() const {
        return archivio->Combo2(0)->currentText() + "/" + archivio->Combo2(1)->currentText() + "/" +
               archivio->Combo2(2)->currentText();
    }
    // The year list: how many, the first and the last.
    QString Anni() const {
        QComboBox* anni = archivio->Combo2(2);
        return QString("%1: %2..%3").arg(anni->count()).arg(anni->itemText(0), anni->itemText(10));
    }
    // The boxes expected next, and their answers.
    void Perdita(Risposta risposta) {
        script.Attendi(prova::kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, risposta);
    }
    void Archiviare(Risposta risposta) {
        script.Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                       risposta);
    }
    void Avviso(const QString& testo) {
        script.Attendi(testo, MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, Risposta::Ok);
    }
    void AncoraInInserimento() {
        EXPECT_EQ(Module1().EntryPending, 1);
        EXPECT_EQ(Archivio::Istanza(), archivio);
        EXPECT_EQ(archivio->windowTitle(), "Inserisci Estrazione");
        EXPECT_FALSE(archivio->VScroll1()->isEnabled());
        EXPECT_TRUE(archivio->Combo2(2)->isVisible());
        EXPECT_EQ(prova::LeggiBytes(LottoDatPath()), prima);
    }

    std::string prima;
};

using Visualizzazione = Finestra;
using Inserimento = Finestra;

TEST_F(Visualizzazione, SiApreSullUltimaComeDisegnataENavigaSenzaDomande) {
    Apri(prova::ArchivioAMano());
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al 8/1/2001");
    EXPECT_EQ(Etichette(), QStringList({"4", "3", "3"}));
    QScrollBar* barra = archivio->VScroll1();
    EXPECT_EQ(QString("%1..%2: %3").arg(barra->minimum()).arg(barra->maximum()).arg(barra->value()),
              "1..4: 4");
    EXPECT_TRUE(barra->isEnabled() && archivio->Combo2(0)->isHidden() &&
                archivio->Combo2(1)->isHidden() && archivio->Combo2(2)->isHidden());
    principale->mnuEstra()->trigger();
    EXPECT_EQ(Archivio::Istanza(), archivio);
    EXPECT_EQ(principale->Area()->activeSubWindow(), Cornice());

    QTabWidget* schede = archivio->SSTab1();
    EXPECT_EQ(schede->tabText(0) + "|" + schede->tabText(1) + "|" + schede->tabText(2),
              "Aggiorna|Super Enalotto|Indici");
    EXPECT_EQ(archivio->palette().color(QPalette::Window), QColor(192, 192, 192));
    const char* controlli[][4] = {
        {"MSFlexGrid1", "", "", "MS Sans Serif"},
        {"Command1", "", "Prima Estrazione", "MS Serif"},
        {"Ultima", "", "Ultima Estrazione", "MS Serif"},
        {"Esc", "Esci", "Chiudi Finestra", "MS Sans Serif"},
        {"Inserisci", "Inserisci", "Inserisci Estrazione", "MS Serif"},
        {"Salva", "Salva", "Salva Estrazione", "MS Serif"},
        {"ClipB", "Clipboard", "Preleva dagli Appunti", "MS Serif"},
        {"Label2_0", "Estrazione N°", "", "MS Sans Serif"},
        {"Label2_1", "Annuale:", "", "MS Sans Serif"},
        {"Label2_2", "Mensile:", "", "MS Sans Serif"},
        {"Combo2_0", "", "", "MS Serif"},
    };
    for (const auto& [nome, testo, suggerimento, carattere] : controlli) {
        QWidget* controllo = archivio->findChild<QWidget*>(nome);
        ASSERT_NE(controllo, nullptr) << nome;
        EXPECT_EQ(controllo->property("text").toString(), QString::fromUtf8(testo)) << nome;
        EXPECT_EQ(controllo->toolTip(), suggerimento) << nome;
        EXPECT_EQ(controllo->font().family(), carattere) << nome;
    }

    barra->setValue(3);
    EXPECT_EQ(Scheda(), prova::kTerzaAMano);
    QString posizioni;
    for (int c = 1; c <= 5; ++c) {
        posizioni += Cella(1, c) + " ";
        EXPECT_EQ(Griglia()->BackColorAt(1, c), QColor(128, 128, 128));
        EXPECT_EQ(Griglia()->ForeColorAt(1, c), QColor(255, 255, 255));
    }
    EXPECT_EQ(Cella(0, 1) + " " + posizioni + Cella(0, 6) + Cella(11, 6), "Data: I II III IV V ");
    EXPECT_EQ(Super()[6] + archivio->MSFlexGrid2()->ForeColorAt(6, 0).name(), "Jolly#ff0000");
    // The numbering leaves the shared cursor on the last draw of 2000.
    EXPECT_EQ(Module1().CurrentDrawIndex, 1);
    EXPECT_EQ(Module1().CurrentDraw, Estrazione(30, 12, 2000));
    // Without Napoli: no combination, and no red mark left from draw 3.
    barra->setValue(2);
    EXPECT_NE(Scheda().find("Super Enalotto\t - \t - \t - \t - \t - \t - \nJolly\t - \nRossi\n"),
              std::string::npos);

    // Twice each: standing on that draw already, it is drawn again from the file.
    for (auto [pulsante, attesa] : {std::pair{archivio->Command1(), "1 30/12/2000 1"},
                                    {archivio->Command1(), "1 30/12/2000 1"},
                                    {archivio->Ultima(), "4 8/1/2001 27"},
                                    {archivio->Ultima(), "4 8/1/2001 27"}}) {
        Griglia()->SetTextMatrix(2, 1, "xx");
        Clic(pulsante);
        EXPECT_EQ(QString("%1 %2 %3").arg(barra->value()).arg(DataMostrata(), Cella(2, 1)), attesa);
        EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al 8/1/2001");
    }
    // The thumb dragged from the first draw to the last shows each on the way.
    Clic(archivio->Command1());
    QStringList viste;
    barra->setSliderDown(true);
    for (int posizione = 1; posizione <= 4; ++posizione) {
        barra->setSliderPosition(posizione);
        viste << archivio->Label1()->text() + ":" + Cella(2, 1);
    }
    barra->setSliderDown(false);
    EXPECT_EQ(viste.join(" "), "1:1 2:14 3:5 4:27");
    Clic(archivio->Esc());
    EXPECT_EQ(Archivio::Istanza(), nullptr);
}

TEST_F(Visualizzazione, ArchivioVuotoSoloITestiFissi) {
    Apri({});
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al ");
    EXPECT_FALSE(archivio->VScroll1()->isEnabled());
    // Nothing to show or to read; and outside entry Salva and Clipboard do nothing.
    QGuiApplication::clipboard()->setText("12 34");
    for (QPushButton* pulsante :
         {archivio->Command1(), archivio->Ultima(), archivio->Salva(), archivio->ClipB()})
        Clic(pulsante);
    EXPECT_EQ(Cella(2, 0) + Cella(0, 1) + Super().join(""), "BariData:Jolly");
    EXPECT_EQ(Cella(0, 2) + Cella(0, 5) + Numeri().join("") + Etichette().join(""), "");
}

// Its date not a real one, as only a damaged file holds: shown without a weekday.
TEST_F(Visualizzazione, ArchivioDiUnaSolaEstrazione) {
    Apri({Estrazione(31, 4, 2020, 1)});
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al 31/4/2020");
    Griglia()->SetTextMatrix(2, 1, "xx");
    Clic(archivio->Ultima());
    EXPECT_EQ(
        archivio->Label1()->text() + " " + DataMostrata() + "|" + Cella(0, 5) + "|" + Cella(2, 1),
        "1 31/4/2020||14");
}

TEST_F(Inserimento, InserisciPreparaLaGrigliaEDueCifrePerCella) {
    Inizia();
    AncoraInInserimento();
    EXPECT_EQ(Anni(), "11: 2003..2013");
    EXPECT_EQ(DataScelta(), "31/01/2003");
    for (int i = 0; i < 3; ++i) {  // over the date cells, red on dark grey
        QComboBox* lista = archivio->Combo2(i);
        EXPECT_EQ(lista->geometry(),
                  QRect(Twips(2500) + i * Twips(900), 0, Twips(900), Twips(390)));
        EXPECT_EQ(lista->grab().toImage().pixelColor(lista->width() / 2, lista->height() / 2),
                  QColor(64, 64, 64));
    }
    EXPECT_EQ(Cella(0, 1) + Cella(0, 5) + Cella(2, 0), "Data: venBari");
    EXPECT_EQ(Numeri().join("") + Etichette().join(""), "");
    EXPECT_EQ(Griglia()->BackColorAt(2, 1), QColor(255, 255, 255));
    EXPECT_EQ(Super().join("|"), "||||||Jolly|");
    EXPECT_TRUE(Griglia()->hasFocus() && Griglia()->TabStop());
    EXPECT_EQ(Cursore(), std::make_pair(2, 1));

    // Two digits a cell, the cursor moving on by itself; anything else is no digit.
    Scrivi("45");
    EXPECT_EQ(Cella(2, 1), "45");
    EXPECT_EQ(Cursore(), std::make_pair(2, 2));
    Scrivi("4");
    ClicCella(3, 3);
    Scrivi("7x-8");
    EXPECT_EQ(Cella(2, 2) + " " + Cella(3, 3), "4 78");
    EXPECT_EQ(Cursore(), std::make_pair(3, 4));
    ClicCella(6, 5);
    Scrivi("90");
    EXPECT_EQ(Cursore(), std::make_pair(7, 1));
    ClicCella(11, 5);
    Scrivi("07");
    EXPECT_EQ(Cella(11, 5), "07");
    EXPECT_EQ(Cursore(), std::make_pair(2, 1));

    // The cursor comes back among the wheels whenever the grid takes the focus.
    archivio->Salva()->setFocus();
    Griglia()->SetCol(4);
    Griglia()->SetRow(0);
    ClicCella(1, 2);
    EXPECT_TRUE(Griglia()->hasFocus());
    EXPECT_EQ(Cursore(), std::make_pair(2, 4));
    // The wheel names are headers: a click there leaves the cursor where it was.
    ClicCella(5, 0);
    Scrivi("3");
    EXPECT_EQ(Cella(5, 0) + " " + Cella(2, 4), "Genova 3");

    // February: 31/02 is no date; the days follow month and year, day 1 chosen.
    QTest::keyClick(archivio->Combo2(1), Qt::Key_Down);
    EXPECT_EQ(QString("%1 %2%3").arg(archivio->Combo2(0)->count()).arg(DataScelta(), Cella(0, 5)),
              "28 1/02/2003 sab");
    QTest::keyClick(archivio->Combo2(0), Qt::Key_End);
    EXPECT_EQ(DataScelta() + Cella(0, 5), "28/02/2003 ven");
    QTest::keyClick(archivio->Combo2(2), Qt::Key_Down);
    EXPECT_EQ(QString("%1 %2%3").arg(archivio->Combo2(0)->count()).arg(DataScelta(), Cella(0, 5)),
              "29 1/02/2004 dom");
}

TEST_F(Inserimento, DomandePrimaDiPerdereIDati) {
    Inizia(prova::Settimanali(4));
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

    // Yes to the first draw: browsing again, where typing takes nothing.
    Perdita(Risposta::Yes);
    Clic(archivio->Command1());
    Scrivi("45");
    EXPECT_EQ(archivio->Label1()->text() + " " + Cella(2, 1) + " " + archivio->windowTitle(),
              "1 1 Archivio Estrazioni dal 07/01/1871 al 28/1/1871");
    EXPECT_TRUE(Module1().EntryPending == 0 && archivio->VScroll1()->isEnabled() &&
                !archivio->Combo2(0)->isVisible());

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
    EXPECT_EQ(Numeri().join("") + archivio->windowTitle(),
              "Archivio Estrazioni dal 07/01/1871 al ");
    EXPECT_TRUE(Module1().EntryPending == 0 && !archivio->Combo2(0)->isVisible());

    // Yes to Esc: the window closes without asking again.
    Clic(archivio->Inserisci());
    Perdita(Risposta::Yes);
    Clic(archivio->Esc());
    EXPECT_EQ(Archivio::Istanza(), nullptr);
}

// Data not fit to save are refused; so is a date that is not a real one. An
// empty archive proposes today; the draw is saved on the date of the lists,
// with 12 on Bari and on Roma like any other number, after a first No.
TEST_F(Inserimento, SalvaRifiutaIDatiNonConformiEConSiAccoda) {
    Inizia({});
    const QDate oggi = QDate::currentDate();
    EXPECT_EQ(
        DataScelta(),
        QString("%1/%2/%3").arg(oggi.day()).arg(oggi.month(), 2, 10, QChar('0')).arg(oggi.year()));
    EXPECT_EQ(Anni(), QString("11: %1..%2").arg(oggi.year()).arg(oggi.year() + 10));
    for (const QString& cifre : {"00" + kDigitata.mid(2),                        // 00
                                 kDigitata.left(40) + "91" + kDigitata.mid(42),  // 91
                                 kDigitata.left(98),                             // a cell empty
                                 kDigitata.left(98) + "0",                       // a lone 0
                                 "1212" + kDigitata.mid(4)}) {                   // 12 twice on Bari
        Perdita(Risposta::Yes);
        Clic(archivio->Inserisci());
        Scrivi(cifre);
        Avviso("I dati non sono conformi");
        Clic(archivio->Salva());
        AncoraInInserimento();
        EXPECT_EQ(Numeri().join(""), cifre);
    }
    // A date that is not a real one: the day list with nothing chosen.
    archivio->Combo2(0)->setCurrentIndex(-1);
    Avviso("I dati non sono conformi");
    Clic(archivio->Salva());
    AncoraInInserimento();

    Perdita(Risposta::Yes);
    Clic(archivio->Inserisci());
    Scrivi("12" + kDigitata.mid(2, 68) + "12" + kDigitata.mid(72));
    ClicCella(3, 2);
    Scrivi("5");  // one digit, then a move by hand: saved as 5
    ClicCella(4, 4);
    QTest::keyClick(archivio->Combo2(2), Qt::Key_Down);  // next year, and day 1 again
    Archiviare(Risposta::No);
    Clic(archivio->Salva());
    AncoraInInserimento();
    Archiviare(Risposta::Yes);
    Clic(archivio->Salva());
    DrawRecord attesa = prova::EstrazioneVuota(1, oggi.month(), oggi.year() + 1);
    for (int w = 1; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p)
            attesa.Numbers(p, w) = static_cast<std::int16_t>(w + (p - 1) * 10);
    attesa.Numbers(1, 1) = attesa.Numbers(1, 8) = 12;
    attesa.Numbers(2, 2) = 5;
    EXPECT_EQ(prova::LeggiBytes(LottoDatPath()), EncodeDraw(attesa));
    EXPECT_EQ(Archivio::Istanza(), nullptr);  // closed, and the main window reloaded
    EXPECT_EQ(Module1().DrawCount, 1);
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
    EXPECT_EQ(Super().join("|"), "3|5|6|7|8|70|Jolly|10");

    // The text, the fifty cells, and the combination: left as it was when invalid.
    QString righe;  // ten lines with the wheel names, and five numbers more
    for (int w = 0; w < 10; ++w)
        righe += Cella(w + 2, 0) + "\t" + Sequenza(w * 5 + 1, w * 5 + 5, "\t") + "\r\n";
    const QString casi[][3] = {
        {"07/01/2004\n" + Sequenza(1, 50), "7 1 2004 " + Sequenza(1, 47), "3|5|6|7|8|70|Jolly|10"},
        {righe + "Extra, 51, 52, 53, 54, 55", Sequenza(1, 50), "1|11|21|26|31|36|Jolly|46"},
        {"05x" + Sequenza(2, 49, "a") + "b50zz", "5 " + Sequenza(2, 50),
         "5|11|21|26|31|36|Jolly|46"},
        {"0 " + Sequenza(2, 50), "0 " + Sequenza(2, 50), "5|11|21|26|31|36|Jolly|46"},
    };
    for (const auto& [testo, numeri, super] : casi) {
        SCOPED_TRACE(testo.toStdString());
        Perdita(Risposta::Yes);
        if (numeri.startsWith("7 ") || numeri.startsWith("0 ")) Avviso(kAppuntiNonValidi);
        QGuiApplication::clipboard()->setText(testo);
        Clic(archivio->ClipB());
        AncoraInInserimento();
        EXPECT_EQ(Numeri().join(" "), numeri);
        EXPECT_EQ(Super().join("|"), super);
        EXPECT_EQ(Cursore(), std::make_pair(11, 5));
    }
}

}  // namespace
}  // namespace ruotario
