#include <QDate>
#include <cerrno>

#include "finestra_prova.h"
#include "shell/twips.h"
#include "store/archivio.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using prova::Estrazione;
using prova::kPerdita;

const QString kNonConformi = "I dati non sono conformi";
const QString kArchiviare = "Archiviare Estrazione ?";

// Wheel w gets w, w + 10, ..., w + 40, each typed as two digits.
QString Digitata() {
    QString cifre;
    for (int w = 1; w <= 10; ++w)
        for (int p = 0; p < 5; ++p)
            cifre += QString("%1").arg(w + p * 10, 2, 10, QChar('0'));
    return cifre;
}

DrawRecord Attesa(int giorno, int mese, int anno) {
    DrawRecord draw = prova::EstrazioneVuota(giorno, mese, anno);
    for (int w = 1; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p)
            draw.Numbers(p, w) = static_cast<std::int16_t>(w + (p - 1) * 10);
    return draw;
}

struct Inserimento : prova::FinestraArchivio {
    // Two draws of January 2004, the last on Saturday the 31st.
    void Inizia(std::vector<DrawRecord> draws = {Estrazione(24, 1, 2004, 1),
                                                 Estrazione(31, 1, 2004, 2)}) {
        Apri(draws);
        prima = prova::LeggiBytes(ArchivioPath());
        Clic(archivio->Inserisci());
    }
    void Scrivi(const QString& cifre) { QTest::keyClicks(Griglia(), cifre); }
    QStringList Voci(int i) const {
        QStringList voci;
        for (int v = 0; v < archivio->Combo2(i)->count(); ++v)
            voci << archivio->Combo2(i)->itemText(v);
        return voci;
    }
    void AncoraInInserimento() {
        EXPECT_EQ(Module1().EntryPending, 1);
        EXPECT_EQ(Archivio::Istanza(), archivio);
        EXPECT_EQ(archivio->windowTitle(), "Inserisci Estrazione");
        EXPECT_FALSE(archivio->VScroll1()->isEnabled());
        EXPECT_TRUE(archivio->Combo2(2)->isVisible());
        EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima);
    }

    std::string prima;
};

TEST_F(Inserimento, InserisciPreparaLaGriglia) {
    Inizia();
    EXPECT_EQ(Module1().EntryPending, 1);
    EXPECT_EQ(archivio->windowTitle(), "Inserisci Estrazione");
    EXPECT_FALSE(archivio->VScroll1()->isEnabled());
    EXPECT_EQ(Voci(2), QStringList({"2004", "2005", "2006", "2007", "2008", "2009", "2010", "2011",
                                    "2012", "2013", "2014"}));
    EXPECT_EQ(Voci(1).size(), 12);
    EXPECT_EQ(Voci(1).front() + Voci(1).back(), "0112");
    EXPECT_EQ(Voci(0).size(), 31);
    EXPECT_EQ(archivio->Combo2(0)->currentText() + "/" + archivio->Combo2(1)->currentText() + "/" +
                  archivio->Combo2(2)->currentText(),
              "31/01/2004");
    for (int i = 0; i < 3; ++i) {
        QComboBox* lista = archivio->Combo2(i);
        EXPECT_TRUE(lista->isVisible());
        EXPECT_EQ(lista->geometry(), QRect(Twips(2500) + i * Twips(900), 0, Twips(900),
                                           Twips(Griglia()->RowHeight(0))));
        // Red text on dark grey.
        QImage immagine = lista->grab().toImage();
        EXPECT_EQ(immagine.pixelColor(lista->width() / 2, lista->height() / 2), QColor(64, 64, 64));
    }
    EXPECT_EQ(Cella(0, 1), "Data:");
    EXPECT_EQ(Cella(0, 5), " sab");
    EXPECT_EQ(Cella(2, 0), "Bari");
    EXPECT_EQ(Numeri().join(""), "");
    EXPECT_EQ(Griglia()->BackColorAt(2, 1), MSFlexGrid::DefaultBackColor());
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(archivio->MSFlexGrid2()->TextMatrix(r, 0), r == 6 ? "Jolly" : "");
    EXPECT_EQ(archivio->Label1()->text() + archivio->Label3()->text() + archivio->Label4()->text(),
              "");
    EXPECT_TRUE(Griglia()->hasFocus());
    EXPECT_TRUE(Griglia()->TabStop());
    EXPECT_EQ(Cursore(), std::make_pair(2, 1));
}

TEST_F(Inserimento, DueCifrePerCellaEIlCursoreVaAvanti) {
    Apri({Estrazione(31, 1, 2004, 2)});
    Scrivi("12");  // not in entry: nothing is taken
    EXPECT_EQ(Cella(2, 1), QString::number(Estrazione(31, 1, 2004, 2).Numbers(1, 1)));
    Clic(archivio->Inserisci());

    Scrivi("45");
    EXPECT_EQ(Cella(2, 1), "45");
    EXPECT_EQ(Cursore(), std::make_pair(2, 2));
    Scrivi("4");
    EXPECT_EQ(Cella(2, 2), "4");
    ClicCella(3, 3);
    EXPECT_EQ(Cella(2, 2), "4");
    Scrivi("7x-8");
    EXPECT_EQ(Cella(3, 3), "78");
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
    EXPECT_EQ(Cella(5, 0), "Genova");
    EXPECT_EQ(Cella(2, 4), "3");
}

TEST_F(Inserimento, UnaRiletturaFallitaNonLasciaLEstrazioneScartata) {
    Inizia();
    Scrivi("4512");
    prova::IoGuasto guasto;
    guasto.Fallisci(prova::IoGuasto::Op::Read, EIO);
    script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::Yes)
        .Attendi(QString::fromStdString("Impossibile leggere il file \"" + ArchivioPath().string() +
                                        "\": errore di lettura o scrittura sul disco."),
                 MsgBoxButtons::Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
    Clic(archivio->Ultima());
    EXPECT_EQ(Module1().EntryPending, 0);
    EXPECT_EQ(Numeri().join(""), "");
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al ");
    EXPECT_FALSE(archivio->Combo2(0)->isVisible());
}

TEST_F(Inserimento, ListeDelleDateFebbraioEAnniBisestili) {
    Inizia({Estrazione(31, 1, 2003, 1)});
    QComboBox* giorni = archivio->Combo2(0);
    // From 31 January to February: 31/02 is no date, the days follow the month.
    QTest::keyClick(archivio->Combo2(1), Qt::Key_Down);
    EXPECT_EQ(archivio->Combo2(1)->currentText(), "02");
    EXPECT_EQ(Voci(0).size(), 28);
    EXPECT_EQ(Voci(0).back(), "28");
    EXPECT_EQ(giorni->currentText(), "1");
    EXPECT_EQ(Cella(0, 5), " sab");

    QTest::keyClick(giorni, Qt::Key_End);
    EXPECT_EQ(Cella(0, 5), " ven");  // 28/2/2003
    QTest::keyClick(archivio->Combo2(2), Qt::Key_Down);
    EXPECT_EQ(archivio->Combo2(2)->currentText(), "2004");
    EXPECT_EQ(Voci(0).size(), 29);
    EXPECT_EQ(giorni->currentText(), "1");
    EXPECT_EQ(Cella(0, 5), " dom");
    EXPECT_TRUE(script.Mostrati().empty());
}

TEST_F(Inserimento, DomandePrimaDiPerdereIDati) {
    Inizia(prova::Settimanali(4));
    for (QPushButton* pulsante :
         {archivio->Command1(), archivio->Ultima(), archivio->Esc(), archivio->Inserisci()}) {
        Scrivi("45");
        script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::No);
        Clic(pulsante);
        AncoraInInserimento();
        EXPECT_EQ(Numeri().join(""), "45") << pulsante->objectName().toStdString();
        Griglia()->SetTextMatrix(2, 1, "");
        Griglia()->SetRow(2);
        Griglia()->SetCol(1);
    }
    script.Attendi(
        QString::fromUtf8(
            "Gestione Archivio: i dati che hai inserito andranno persi !\nVuoi continuare?"),
        MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::No);
    Cornice()->close();
    AncoraInInserimento();

    // Yes: back to browsing, on the first draw or the last, with nothing typed left.
    Scrivi("45");
    script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::Yes);
    Clic(archivio->Command1());
    EXPECT_EQ(Module1().EntryPending, 0);
    EXPECT_TRUE(archivio->VScroll1()->isEnabled());
    EXPECT_FALSE(archivio->Combo2(0)->isVisible());
    EXPECT_EQ(archivio->Label1()->text(), "1");
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al 28/1/1871");
    EXPECT_EQ(Cella(2, 1), QString::number(prova::Settimanali(4)[0].Numbers(1, 1)));
    Scrivi("45");
    EXPECT_NE(Cella(2, 1), "45");

    Clic(archivio->Inserisci());
    Scrivi("45");
    script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::Yes);
    Clic(archivio->Inserisci());
    EXPECT_EQ(Numeri().join(""), "");
    EXPECT_EQ(Cursore(), std::make_pair(2, 1));

    Scrivi("45");
    script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::Yes);
    Clic(archivio->Esc());
    EXPECT_EQ(Archivio::Istanza(), nullptr);
    EXPECT_EQ(Module1().EntryPending, 0);
}

TEST_F(Inserimento, SalvaConSiAccodaERicarica) {
    Inizia();
    Scrivi(Digitata());
    EXPECT_EQ(Cursore(), std::make_pair(2, 1));
    script.Attendi(kArchiviare, MsgBoxButtons::YesNo, MsgBoxIcon::Question, MsgBoxResult::Yes);
    Clic(archivio->Salva());
    EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima + EncodeDraw(Attesa(31, 1, 2004)));
    EXPECT_EQ(Archivio::Istanza(), nullptr);
    EXPECT_EQ(Module1().EntryPending, 0);
    EXPECT_EQ(Module1().DrawCount, 3);
    EXPECT_TRUE(principale->isVisible());

    principale->mnuEstra()->trigger();
    archivio = Archivio::Istanza();
    ASSERT_NE(archivio, nullptr);
    EXPECT_EQ(archivio->Label1()->text(), "3");
    EXPECT_EQ(archivio->Label4()->text(), "3");
    EXPECT_EQ(Numeri().mid(0, 5), QStringList({"1", "11", "21", "31", "41"}));
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al 31/1/2004");
}

TEST_F(Inserimento, SalvaConNoNonScriveNulla) {
    Inizia();
    Scrivi(Digitata());
    ClicCella(3, 2);
    Scrivi("5");  // one digit, then a move by hand: saved as 5
    ClicCella(4, 4);
    QTest::keyClick(archivio->Combo2(2), Qt::Key_Down);
    script.Attendi(kArchiviare, MsgBoxButtons::YesNo, MsgBoxIcon::Question, MsgBoxResult::No);
    Clic(archivio->Salva());
    AncoraInInserimento();
    EXPECT_EQ(Numeri()[0] + Numeri()[6], "015");
    DrawRecord attesa = Attesa(1, 1, 2005);
    attesa.Numbers(2, 2) = 5;
    EXPECT_EQ(Module1().CurrentDraw, attesa);
}

TEST_F(Inserimento, DatiNonConformiRifiutati) {
    Inizia();
    const QString tutta = Digitata();
    struct Caso {
        const char* nome;
        QString cifre;
    };
    for (const auto& [nome, cifre] : {
             Caso{"00", "00" + tutta.mid(2)},
             Caso{"91", tutta.left(40) + "91" + tutta.mid(42)},
             Caso{"una cella vuota", tutta.left(98)},
             Caso{"12 due volte su Bari", "1212" + tutta.mid(4)},
         }) {
        script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::Yes);
        Clic(archivio->Inserisci());
        Scrivi(cifre);
        script.Attendi(kNonConformi, MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, MsgBoxResult::Ok);
        Clic(archivio->Salva());
        AncoraInInserimento();
        EXPECT_EQ(Numeri().join(""), cifre) << nome;
    }
    // A lone 0 left by moving on by hand.
    ClicCella(11, 5);
    Scrivi("0");
    ClicCella(2, 1);
    script.Attendi(kNonConformi, MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, MsgBoxResult::Ok);
    Clic(archivio->Salva());
    // 12 on Bari and on Roma is a draw like any other.
    script.Attendi(kPerdita, MsgBoxButtons::YesNo, MsgBoxIcon::Critical, MsgBoxResult::Yes);
    Clic(archivio->Inserisci());
    Scrivi("12" + tutta.mid(2, 68) + "12" + tutta.mid(72));
    script.Attendi(kArchiviare, MsgBoxButtons::YesNo, MsgBoxIcon::Question, MsgBoxResult::No);
    Clic(archivio->Salva());
    // A date that is not a real one: the day list with nothing chosen.
    archivio->Combo2(0)->setCurrentIndex(-1);
    script.Attendi(kNonConformi, MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, MsgBoxResult::Ok);
    Clic(archivio->Salva());
    AncoraInInserimento();
}

TEST_F(Inserimento, FuoriDallInserimentoSalvaEClipboardNonFannoNulla) {
    Apri(prova::Settimanali(2));
    const QStringList numeri = Numeri();
    const std::string prima = prova::LeggiBytes(ArchivioPath());
    Clic(archivio->Salva());
    Clic(archivio->ClipB());
    EXPECT_EQ(Numeri(), numeri);
    EXPECT_TRUE(script.Mostrati().empty());
    EXPECT_EQ(prova::LeggiBytes(ArchivioPath()), prima);
}

TEST_F(Inserimento, ArchivioVuotoProponeOggi) {
    Inizia({});
    const QDate oggi = QDate::currentDate();
    EXPECT_EQ(archivio->Combo2(0)->currentText(), QString::number(oggi.day()));
    EXPECT_EQ(archivio->Combo2(1)->currentIndex(), oggi.month() - 1);
    EXPECT_EQ(Voci(2).front(), QString::number(oggi.year()));
    EXPECT_EQ(Voci(2).back(), QString::number(oggi.year() + 10));
    Scrivi(Digitata());
    script.Attendi(kArchiviare, MsgBoxButtons::YesNo, MsgBoxIcon::Question, MsgBoxResult::Yes);
    Clic(archivio->Salva());
    EXPECT_EQ(prova::LeggiBytes(ArchivioPath()),
              EncodeDraw(Attesa(oggi.day(), oggi.month(), oggi.year())));
}

TEST_F(Inserimento, UnAccodamentoFallitoTieneLEstrazioneScritta) {
    Inizia();
    Scrivi(Digitata());
    prova::IoGuasto guasto;
    guasto.Fallisci(prova::IoGuasto::Op::WriteAt, ENOSPC);
    guasto.ScritturaParziale(40);
    script.Attendi(kArchiviare, MsgBoxButtons::YesNo, MsgBoxIcon::Question, MsgBoxResult::Yes)
        .Attendi(QString::fromStdString("Impossibile scrivere il file \"" +
                                        ArchivioPath().string() + "\": spazio su disco esaurito."),
                 MsgBoxButtons::Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
    Clic(archivio->Salva());
    AncoraInInserimento();
    EXPECT_EQ(Numeri().join(""), Digitata());
}

TEST_F(Inserimento, ArchivioPienoNonSiAccoda) {
    Inizia(prova::Settimanali(kMaxEstrazioni));
    Scrivi(Digitata());
    script.Attendi(kArchiviare, MsgBoxButtons::YesNo, MsgBoxIcon::Question, MsgBoxResult::Yes)
        .Attendi(QString::fromUtf8(kMsgArchivioPieno), MsgBoxButtons::Ok, MsgBoxIcon::Exclamation,
                 MsgBoxResult::Ok);
    Clic(archivio->Salva());
    AncoraInInserimento();
    EXPECT_EQ(Numeri().join(""), Digitata());
}

}  // namespace
}  // namespace ruotario
