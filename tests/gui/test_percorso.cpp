// A player's week, from the menu to the files: the real archive is browsed, a
// new draw is pasted from the clipboard, corrected, dated and archived, a
// series is composed, analysed, copied and deleted, and the program is left
// with "Esci". Every step is a click, a key, a scroll bar or the clipboard, as
// a person does it; every message box is answered by the script.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <sstream>

#include "analysis/ricerca2.h"
#include "archive/archivio.h"
#include "series/archivio_serie.h"
#include "series/serie.h"
#include "shell/mdiform1.h"
#include "shell/msflexgrid.h"
#include "store/archivio.h"
#include "store/module1.h"
#include "store/storico.h"
#include "support/archivio_prova.h"
#include "support/msgbox_script.h"
#include "tools/esegui.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& testo, std::ostream* os) {
    *os << '"' << testo.toStdString() << '"';
}
QT_END_NAMESPACE

namespace ruotario {
namespace {

using prova::MsgBoxScript;
using Ruote = std::array<std::array<int, 5>, 10>;
using Tabella = std::vector<std::vector<std::string>>;

const char* const kNomiRuote[] = {"Bari",   "Cagliari", "Firenze", "Genova", "Milano",
                                  "Napoli", "Palermo",  "Roma",    "Torino", "Venezia"};

// The draw as the player copies it from a results page, Roma's third number
// misprinted there.
constexpr Ruote kIncollata = {{
    {12, 34, 56, 78, 90},  // Bari
    {3, 14, 25, 36, 47},   // Cagliari
    {12, 58, 69, 80, 1},   // Firenze: its first number is Bari's, the second counts
    {7, 18, 29, 40, 51},   // Genova
    {62, 73, 84, 6, 17},   // Milano
    {28, 39, 50, 61, 72},  // Napoli
    {83, 5, 16, 27, 38},   // Palermo
    {49, 60, 33, 71, 82},  // Roma
    {15, 26, 37, 48, 59},  // Torino
    {58, 2, 13, 24, 35},   // Venezia: 58 is taken, the Jolly is 2
}};
// Its Super Enalotto: Bari 12, Firenze 58, Milano 62, Napoli 28, Palermo 83
// and Roma 49 from the smallest up, the label, the Jolly.
const QStringList kSuperEnalotto = {"12", "28", "49", "58", "62", "83", "Jolly", "2"};

// The series: 49 and 77 come out together on Roma in the new draw, 5 on
// Palermo, 90 on Bari, 11 nowhere.
constexpr std::array kSerie = {49, 77, 5, 90, 11};

// The draw as archived: Roma's third number corrected to 77 by hand.
Ruote Archiviata() {
    Ruote ruote = kIncollata;
    ruote[7][2] = 77;
    return ruote;
}

QString TestoAppunti() {
    QString testo = "Estrazione del Lotto\r\n";
    for (int w = 0; w < 10; ++w) {
        testo += QString(kNomiRuote[w]) + "\t";
        for (int n : kIncollata[w])
            testo += QString::number(n) + " ";
        testo += "\r\n";
    }
    return testo;
}

// The record as the file keeps it: day, month, year and the fifty numbers
// wheel after wheel, each a little-endian 16-bit integer.
std::string Record(int giorno, int mese, int anno, const Ruote& ruote) {
    std::string byte;
    auto Metti = [&byte](int valore) {
        byte += static_cast<char>(valore & 0xff);
        byte += static_cast<char>((valore >> 8) & 0xff);
    };
    Metti(giorno);
    Metti(mese);
    Metti(anno);
    for (const auto& ruota : ruote)
        for (int n : ruota)
            Metti(n);
    return byte;
}

// The bundled historical texts, old then new, imported into the program folder
// as the build does it for the program's own.
std::vector<DrawRecord> ImportaStoricoDistribuito() {
    std::vector<TestoStorico> testi;
    for (const char* nome : {"storico_1871_1938.txt", "storico.txt"}) {
        const std::string file = std::string(RUOTARIO_DATA_DIR) + "/" + nome;
        testi.push_back({file, prova::LeggiBytes(file)});
    }
    std::vector<DrawRecord> draws = ImportaStorico(testi);
    SostituisciArchivio(ArchivioPath(), draws);
    return draws;
}

// Only what stands on screen can be clicked.
void Clic(QWidget* controllo) {
    EXPECT_TRUE(controllo->isVisible()) << controllo->objectName().toStdString();
    QTest::mouseClick(controllo, Qt::LeftButton);
}

// A menu command, clicked where it stands on the menu bar.
void Menu(MDIForm1& principale, QAction* comando) {
    QMenuBar* barra = principale.menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(comando).center());
}

void ClicCella(MSFlexGrid* grid, int r, int c, Qt::MouseButton pulsante = Qt::LeftButton) {
    EXPECT_TRUE(grid->isVisible());
    QTest::mouseClick(grid->viewport(), pulsante, {},
                      grid->visualRect(grid->model()->index(r, c)).center());
}

template <typename T = QAbstractButton>
T* Controllo(const QWidget* finestra, const char* nome) {
    T* controllo = finestra->findChild<T*>(nome);
    EXPECT_NE(controllo, nullptr) << nome;
    return controllo;
}

// The record number, the date cells and the weekday of the draw shown.
QString Mostrata(const Archivio* archivio) {
    const MSFlexGrid* grid = archivio->MSFlexGrid1();
    return archivio->Label1()->text() + ": " + grid->TextMatrix(0, 2) + "/" +
           grid->TextMatrix(0, 3) + "/" + grid->TextMatrix(0, 4) + grid->TextMatrix(0, 5);
}

QString Data(const DrawRecord& draw) {
    return QString("%1/%2/%3").arg(draw.Day).arg(draw.Month).arg(draw.Year);
}

QString Indice(int record, const DrawRecord& draw, const char* giorno) {
    return QString("%1: %2 %3").arg(record).arg(Data(draw), giorno);
}

// The fifty number cells, wheel after wheel.
QStringList Numeri(const Archivio* archivio) {
    QStringList numeri;
    for (int r = 2; r <= 11; ++r)
        for (int c = 1; c <= 5; ++c)
            numeri << archivio->MSFlexGrid1()->TextMatrix(r, c);
    return numeri;
}

QStringList Testi(const Ruote& ruote) {
    QStringList testi;
    for (const auto& ruota : ruote)
        for (int n : ruota)
            testi << QString::number(n);
    return testi;
}

QStringList SuperEnalotto(const Archivio* archivio) {
    QStringList celle;
    for (int r = 0; r < 8; ++r)
        celle << archivio->MSFlexGrid2()->TextMatrix(r, 0);
    return celle;
}

QString DataScelta(const Archivio* archivio) {
    return archivio->Combo2(0)->currentText() + "/" + archivio->Combo2(1)->currentText() + "/" +
           archivio->Combo2(2)->currentText();
}

// A number clicked in the list on the left and moved to the series.
void Seleziona(const Serie* serie, int numero) {
    auto* lista = Controllo<QListWidget>(serie, "List1");
    QListWidgetItem* voce = lista->findItems(QString::number(numero), Qt::MatchExactly).value(0);
    ASSERT_NE(voce, nullptr) << numero;
    lista->scrollToItem(voce);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(voce).center());
    Clic(Controllo(serie, "Command2_0"));
}

Tabella Celle(const MSFlexGrid* grid) {
    Tabella celle(grid->Rows());
    for (int r = 0; r < grid->Rows(); ++r)
        for (int c = 0; c < grid->Cols(); ++c)
            celle[r].push_back(grid->TextMatrix(r, c).toStdString());
    return celle;
}

// The command-line tool's table: a line per row, tabs between the cells.
Tabella Celle(const std::string& testo) {
    Tabella celle;
    std::istringstream righe(testo);
    for (std::string riga; std::getline(righe, riga);) {
        celle.emplace_back();
        std::size_t inizio = 0;
        for (std::size_t tab; (tab = riga.find('\t', inizio)) != std::string::npos;
             inizio = tab + 1)
            celle.back().push_back(riga.substr(inizio, tab - inizio));
        celle.back().push_back(riga.substr(inizio));
    }
    return celle;
}

TEST(Percorso, UnaSettimanaDiGioco) {
    prova::CartellaProva cartella;
    const std::vector<DrawRecord> storico = ImportaStoricoDistribuito();
    const int conteggio = static_cast<int>(storico.size());
    ASSERT_GT(conteggio, 181);
    // The dates below follow from the last draw of the bundled archive.
    ASSERT_EQ(Data(storico.back()), "21/8/2026");
    const std::string prima = prova::LeggiBytes(ArchivioPath());

    MsgBoxScript script;
    MDIForm1 principale;
    principale.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principale));

    // The archive opens on the newest draw and is browsed back and forth.
    Menu(principale, principale.mnuEstra());
    Archivio* archivio = Archivio::Istanza();
    ASSERT_NE(archivio, nullptr);
    EXPECT_EQ(Mostrata(archivio), Indice(conteggio, storico.back(), "ven"));
    archivio->VScroll1()->setValue(conteggio - 1);
    EXPECT_EQ(Mostrata(archivio), Indice(conteggio - 1, storico[conteggio - 2], "gio"));
    Clic(archivio->Command1());
    EXPECT_EQ(Mostrata(archivio), "1: 7/1/1871 sab");
    archivio->VScroll1()->setValue(2);
    EXPECT_EQ(Mostrata(archivio), Indice(2, storico[1], "sab"));
    Clic(archivio->Ultima());
    EXPECT_EQ(Mostrata(archivio), Indice(conteggio, storico.back(), "ven"));

    // A new draw: pasted, one misprint corrected by typing, dated, saved.
    Clic(archivio->Inserisci());
    EXPECT_EQ(archivio->windowTitle(), "Inserisci Estrazione");
    EXPECT_EQ(DataScelta(archivio), "21/08/2026");
    QGuiApplication::clipboard()->setText(TestoAppunti());
    Clic(archivio->ClipB());
    EXPECT_EQ(Numeri(archivio), Testi(kIncollata));
    EXPECT_EQ(SuperEnalotto(archivio), kSuperEnalotto);
    MSFlexGrid* grid = archivio->MSFlexGrid1();
    ClicCella(grid, 9, 3);
    QTest::keyClicks(grid, "77");
    EXPECT_EQ(grid->TextMatrix(9, 3), "77");
    EXPECT_EQ(std::make_pair(grid->Row(), grid->Col()), std::make_pair(9, 4));
    // September, then two days on: Thursday the 3rd.
    QTest::keyClick(archivio->Combo2(1), Qt::Key_Down);
    QTest::keyClick(archivio->Combo2(0), Qt::Key_Down);
    QTest::keyClick(archivio->Combo2(0), Qt::Key_Down);
    EXPECT_EQ(DataScelta(archivio), "3/09/2026");
    EXPECT_EQ(grid->TextMatrix(0, 5), " gio");
    script.Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::Yes);
    Clic(archivio->Salva());
    EXPECT_EQ(Archivio::Istanza(), nullptr);
    EXPECT_EQ(Module1().EntryPending, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principale));

    // Opened again, the archive ends with the new draw and its Super Enalotto.
    Menu(principale, principale.mnuEstra());
    archivio = Archivio::Istanza();
    ASSERT_NE(archivio, nullptr);
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al 3/9/2026");
    EXPECT_EQ(archivio->VScroll1()->maximum(), conteggio + 1);
    EXPECT_EQ(Mostrata(archivio), QString("%1: 3/9/2026 gio").arg(conteggio + 1));
    // The first draw of its month, the next of its year.
    const auto delDuemilaventisei = std::count_if(
        storico.begin(), storico.end(), [](const DrawRecord& d) { return d.Year == 2026; });
    EXPECT_EQ(archivio->Label3()->text(), QString::number(delDuemilaventisei + 1));
    EXPECT_EQ(archivio->Label4()->text(), "1");
    EXPECT_EQ(Numeri(archivio), Testi(Archiviata()));
    EXPECT_EQ(SuperEnalotto(archivio), kSuperEnalotto);

    // A series of five, saved and analysed over the default range: the last 181 draws.
    Menu(principale, principale.mnuSerie());
    Serie* serie = Serie::Istanza();
    ASSERT_NE(serie, nullptr);
    for (int numero : kSerie)
        Seleziona(serie, numero);
    QStringList composta;
    for (int r = 0; r < Controllo<QListWidget>(serie, "List2")->count(); ++r)
        composta << Controllo<QListWidget>(serie, "List2")->item(r)->text();
    EXPECT_EQ(composta, QStringList({"49", "77", "5", "90", "11"}));
    script.Attendi("Salvare Serie ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::Yes);
    Clic(Controllo(serie, "Command1_4"));
    auto* elenco = Controllo<QComboBox>(serie, "Combo1");
    EXPECT_EQ(elenco->count(), 1);
    EXPECT_EQ(elenco->currentText(), "-49-77-5 -90-11    S_1");
    const int inizio = Controllo<QScrollBar>(serie, "HScroll1")->value();
    const int fine = Controllo<QScrollBar>(serie, "HScroll2")->value();
    EXPECT_EQ(std::make_pair(inizio, fine), std::make_pair(conteggio + 1 - 180, conteggio + 1));
    EXPECT_EQ(Controllo<QLabel>(serie, "Label3")->text(), "Estrazioni Analizzate : 181");

    Clic(Controllo(serie, "Command1_0"));
    Ricerca2* analisi = AnalysisWindow();
    ASSERT_NE(analisi, nullptr);
    const DrawRecord& primaDelRange = storico[inizio - 1];
    EXPECT_EQ(analisi->windowTitle(), QString("Serie_1   Inizio: %1 - %2 - %3   Fine: 3 - 9 - "
                                              "2026     ")
                                          .arg(primaDelRange.Day)
                                          .arg(primaDelRange.Month)
                                          .arg(primaDelRange.Year));
    const Tabella mostrate = Celle(analisi->MSFlexGrid1());
    ASSERT_EQ(mostrate.size(), 13u);
    EXPECT_EQ(mostrate[0],
              (std::vector<std::string>{"", "49", "77", "5", "90", "11", "Min", "R.A.", "Sor",
                                        "Sto", "R.T.", "Sor", "Sto", "R.Q.", "Sor", "Sto"}));
    // The new draw closes the range: no delay there for what it holds.
    const std::tuple<int, int, const char*> nelNuovo[] = {
        {8, 1, "49 su Roma"},     {8, 2, "77 su Roma"},  {7, 3, "5 su Palermo"},
        {1, 4, "90 su Bari"},     {8, 6, "minimo Roma"}, {8, 7, "ambo su Roma"},
        {11, 7, "ambo su tutte"}, {1, 6, "minimo Bari"}, {7, 6, "minimo Palermo"}};
    for (const auto& [r, c, cosa] : nelNuovo)
        EXPECT_EQ(mostrate[r][c], "0") << cosa;

    // The series goes to the clipboard with a right click.
    script.Attendi("Copiare elementi negli appunti ?", MsgBoxButtons::YesNo, MsgBoxIcon::None,
                   MsgBoxResult::Yes);
    ClicCella(analisi->MSFlexGrid1(), 4, 3, Qt::RightButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "49 - 77 - 5 - 90 - 11 - ");

    // The series is deleted, and the week ends with "Esci".
    script.Attendi(" Eliminare Serie selezionata ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                   MsgBoxResult::Yes);
    Clic(Controllo(serie, "Command1_1"));
    EXPECT_EQ(elenco->currentText(), QString::fromUtf8(kSerieSegnaposto));
    EXPECT_FALSE(Controllo(serie, "Command1_0")->isEnabled());
    Menu(principale, principale.mnuexit());
    EXPECT_FALSE(principale.isVisible());
    EXPECT_TRUE(principale.Area()->subWindowList().isEmpty());

    // The archive is the old file and one record more: the draw and the date chosen.
    const std::string dopo = prova::LeggiBytes(ArchivioPath());
    ASSERT_EQ(dopo.size(), prima.size() + 106);
    EXPECT_TRUE(dopo.compare(0, prima.size(), prima) == 0) << "i record di prima sono cambiati";
    EXPECT_EQ(dopo.substr(prima.size()), Record(3, 9, 2026, Archiviata()));
    EXPECT_EQ(std::filesystem::file_size(SeriePath()), 0u);
    EXPECT_FALSE(std::filesystem::exists(Serie2Path()));

    // What the window showed is what the command-line tool computes.
    std::string numeri;
    for (int numero : kSerie)
        numeri += (numeri.empty() ? "" : ",") + std::to_string(numero);
    const prova::Esito esito =
        prova::Cli("analizza --serie " + numeri + " --da " + std::to_string(inizio) + " --a " +
                   std::to_string(fine) + " --archivio " + ArchivioPath().string());
    ASSERT_EQ(esito.codice, 0) << esito.errori;
    const Tabella attese = Celle(esito.uscita);
    ASSERT_EQ(attese.size(), mostrate.size());
    for (std::size_t r = 0; r < attese.size(); ++r) {
        ASSERT_EQ(attese[r].size(), mostrate[r].size()) << "riga " << r;
        for (std::size_t c = 0; c < attese[r].size(); ++c)
            EXPECT_EQ(mostrate[r][c], attese[r][c]) << "riga " << r << ", colonna " << c;
    }
}

}  // namespace
}  // namespace ruotario
