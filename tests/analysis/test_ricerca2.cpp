#include <gtest/gtest.h>

#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QPaintEvent>
#include <QProgressBar>
#include <QScrollBar>
#include <QTimer>

#include "series/banco_serie.h"
#include "shell/form41.h"
#include "shell/vista_griglia.h"
#include "store/module1.h"
#include "support/cella_vista.h"
#include "support/msgbox_script.h"

namespace ruotario {
namespace {

using Passi = std::vector<std::pair<int, int>>;
using Righe = std::vector<std::string>;
constexpr int BA = 1, CA = 2, FI = 3, GE = 4, MI = 5, NA = 6, PA = 7, RO = 8, TO = 9, VE = 10;

// Every (maximum, value) the loading window's bar goes through, where the
// loading window was shown, and how many steps came with no paint of the whole
// window since it was shown or since the step before; paints after the last step.
class Avanzamenti : public QObject {
  public:
    Avanzamenti() { qApp->installEventFilter(this); }
    ~Avanzamenti() override { qApp->removeEventFilter(this); }
    Passi valori;
    QRect dove;
    int nonDipinti = 0, dipinture = 0;

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (oggetto->objectName() != "Form41") return false;
        auto* finestra = static_cast<QWidget*>(oggetto);
        dipinture += evento->type() == QEvent::Paint &&
                     static_cast<QPaintEvent*>(evento)->rect() == finestra->rect();
        if (evento->type() != QEvent::Show) return false;
        dove = finestra->geometry();
        auto* barra = oggetto->findChild<QProgressBar*>("ProgressBar1");
        connect(barra, &QProgressBar::valueChanged, this, [this, barra](int valore) {
            valori.push_back({barra->maximum(), valore});
            nonDipinti += dipinture == 0;
            dipinture = 0;
        });
        return false;
    }
};

// 27, then 5 17, then 5 17 33 60 over forty weekly draws from 7 January 1871
// whose wheels hold 81..85, except Cagliari, never drawn, Genova, drawn from
// the 38th on, and the wheels below. 27 twice on Roma is no hit; Torino's
// empty slots count for the events, not for the numbers' own delays.
TEST(Ricerca2, TreAnalisiCalcolateAMano) {
    prova::BancoSerie banco(40, {{27}, {5, 17}, {5, 17, 33, 60}});
    std::vector<DrawRecord> draws = prova::Settimanali(40);
    for (int k = 0; k < 40; ++k)
        for (int w = 1; w <= kRuote; ++w)
            for (int p = 1; p <= 5; ++p)
                draws[k].Numbers(p, w) = w == CA || (w == GE && k < 37) ? 0 : 80 + p;
    const std::tuple<int, int, std::array<std::int16_t, 5>> ruote[] = {
        {1, NA, {5, 17, 33, 1, 2}},     {36, BA, {27, 5, 17, 33, 60}}, {36, FI, {5, 17, 1, 2, 3}},
        {37, MI, {5, 17, 33, 4, 6}},    {37, RO, {27, 27, 1, 2, 3}},   {38, GE, {27, 5, 1, 2, 3}},
        {39, PA, {27, 17, 12, 13, 14}}, {39, TO, {1, 2, 0, 0, 0}},     {39, VE, {60, 33, 17, 7, 8}},
        {40, BA, {5, 60, 9, 10, 11}}};
    for (const auto& [k, w, numeri] : ruote)
        std::copy(numeri.begin(), numeri.end(), &draws[k - 1].Numbers(1, w));
    prova::ScriviArchivio(draws);

    const Righe testi[] = {
        {"27 Rit. Sort. Stor.", "BA 4 1 35", "CA -- -- --", "FI 40 0 40", "GE 2 1 2", "MI 40 0 40",
         "NA 40 0 40", "PA 1 1 38", "RO 40 0 40", "TO 40 0 40", "VE 40 0 40", "Tutte 1  35",
         "Som 209 3 "},
        {" 5 17 Min R.A. Sor Sto", "BA 0 4 0 4 1 35", "CA -- --  -- -- --", "FI 4 4 4 4 1 35",
         "GE 2 3 2 3 0 3", "MI 3 3 3 3 1 36", "NA 39 39 39 39 1 39", "PA 40 1 1 40 0 40",
         "RO 40 40 40 40 0 40", "TO 39 39 39 40 0 40", "VE 40 1 1 40 0 40", "Tutte 0 1  3  34",
         "Som 207 134   4 "},
        {" 5 17 33 60 Min R.A. Sor Sto R.T. Sor Sto R.Q. Sor Sto",
         "BA 0 4 4 0 0 0 2 35 4 1 35 4 1 35", "CA -- -- -- --  -- -- -- -- -- -- -- -- --",
         "FI 4 4 40 40 4 4 1 35 40 0 40 40 0 40", "GE 2 3 3 3 2 3 0 3 3 0 3 3 0 3",
         "MI 3 3 3 40 3 3 1 36 3 1 36 40 0 40", "NA 39 39 39 40 39 39 1 39 39 1 39 40 0 40",
         "PA 40 1 40 40 1 40 0 40 40 0 40 40 0 40", "RO 40 40 40 40 40 40 0 40 40 0 40 40 0 40",
         "TO 39 39 39 39 39 40 0 40 40 0 40 40 0 40", "VE 40 1 1 1 1 1 1 38 1 1 38 40 0 40",
         "Tutte 0 1 1 0  0  34 1  34 3  35", "Som 207 134 209 243   6   4   1 "}};
    // Each cell's background and text colour, a letter each, in the header
    // row, the wheels' rows, "Tutte" and "Som".
    const std::array<std::string, 4> colori[] = {
        {"gr dy gk gk", "dy wk gr cb", "dy pw pw pw", "gk gk gk gk"},
        {"gk dy dy gk gk gk gk", "dy wk wk gr cb cb cb", "dy mw mw mw bw mw mw",
         "gk gk gk gk gk gk gk"},
        {"gk dy dy dy dy gk gk gk gk gk gk gk gk gk gk",
         "dy wk wk wk wk gr cb cb cb or or or gb gb gb",
         "dy mw mw mw mw mw bw mw mw bw mw mw bw mw mw",
         "gk gk gk gk gk gk gk gk gk gk gk gk gk gk gk"}};
    const std::map<char, QRgb> rgb = {{'g', 0xc0c0c0}, {'d', 0x404040}, {'w', 0xffffff},
                                      {'c', 0xe0e0e0}, {'o', 0xc0c000}, {'m', 0x808080},
                                      {'b', 0x0000ff}, {'p', 0xff8080}, {'y', 0x00ffff},
                                      {'r', 0x800000}, {'k', 0x000000}};
    // The bar moves every twenty steps of the 40 draws and the n numbers; the
    // single number's columns start it over at the end.
    const Passi passi[] = {
        {{41, 19}, {41, 39}, {40, 0}}, {{42, 19}, {42, 39}}, {{44, 19}, {44, 39}}};
    const int n[] = {1, 2, 4}, larghezze[] = {132, 231, 503};
    const char* appunti[] = {"27 - ", "5 - 17 - ", "5 - 17 - 33 - 60 - "};
    prova::MsgBoxScript script;
    for (int voce = 0; voce < 3; ++voce) {
        SCOPED_TRACE(voce);
        Avanzamenti avanzamenti;
        QPointer<Ricerca2> w = banco.Elabora(voce);
        ASSERT_TRUE(w);
        EXPECT_EQ(Module1().SeriesNumbers, (std::array<std::int16_t, 21>{}));
        EXPECT_EQ(Form41::Istanza(), nullptr);
        EXPECT_TRUE(banco.principale.isEnabled() && banco.principale.Timer1()->isActive());
        // The loading window, centred on the main window, is painted when shown
        // and at every step, with no return to the event loop.
        EXPECT_EQ(avanzamenti.valori, passi[voce]);
        EXPECT_EQ(avanzamenti.nonDipinti, 0);
        EXPECT_GT(avanzamenti.dipinture, 0);
        EXPECT_EQ(avanzamenti.dove,
                  QRect(banco.principale.geometry().center() - QPoint(149, 29), QSize(300, 60)));
        EXPECT_EQ(w->windowTitle(), QString(voce ? "Serie_1" : "27_1") +
                                        "   Inizio: 7 - 1 - 1871   Fine: 7 - 10 - 1871     ");

        VistaGriglia* grid = w->MSFlexGrid1();
        const int colonne = grid->model()->columnCount();
        ASSERT_EQ(std::pair(grid->model()->rowCount(), colonne),
                  std::pair(13, (std::array{4, 7, 15})[voce]));
        const QImage immagine = grid->grab().toImage();
        Righe righe;
        for (int r = 0; r < 13; ++r) {
            EXPECT_EQ(grid->rowHeight(r), 27);
            righe.emplace_back();
            const std::string& attesi = colori[voce][r == 0 ? 0 : r <= 10 ? 1 : r - 9];
            for (int c = 0; c < colonne; ++c) {
                const prova::CellaVista cella = prova::LeggiCella(grid, r, c, r == 0 || c == 0);
                righe.back() += (c ? " " : "") + cella.testo.toStdString();
                const QPoint angolo = grid->visualRect(grid->model()->index(r, c)).topLeft();
                EXPECT_EQ(immagine.pixel(angolo + QPoint(3, 3)) & 0xffffff, rgb.at(attesi[3 * c]))
                    << r << "," << c;
                EXPECT_EQ(cella.colore.rgb() & 0xffffff, rgb.at(attesi[3 * c + 1]))
                    << r << "," << c;
            }
        }
        EXPECT_EQ(righe, testi[voce]);
        for (int c = 0; c < colonne; ++c)
            EXPECT_EQ(grid->columnWidth(c), c == 0 ? 33 : c <= n[voce] ? 25 : 37) << c;
        EXPECT_EQ(prova::LeggiCella(grid, 0, 0, true).punti, voce ? 8 : 12);
        EXPECT_EQ(QFontInfo(grid->font()).pointSize(), 8);
        // The window is the grid, in a frame that fits it, at the top-left corner.
        EXPECT_EQ(grid->geometry(), QRect(0, 0, larghezze[voce], 13 * 27));
        EXPECT_EQ(w->size(), grid->size());
        const QWidget* cornice = w->parentWidget();
        EXPECT_EQ(cornice->geometry(),
                  QRect(0, 0, w->width() + 2 * w->x(), w->y() + w->height() + w->x()));

        // A left click moves, never onto the headers, nor do the arrows; a right
        // click offers the series to the clipboard.
        const QPoint cella(70, 90), ruota(10, 90);  // row 3, columns 2 and 0
        EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ruota);
        QTest::keyClick(grid, Qt::Key_Up);
        QTest::keyClick(grid, Qt::Key_Left);
        EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cella);
        EXPECT_EQ(grid->currentIndex(), grid->model()->index(3, 2));
        QGuiApplication::clipboard()->setText("prima");
        for (auto risposta : {MsgBoxResult::No, MsgBoxResult::Yes})
            script.Attendi("Copiare elementi negli appunti ?", MsgBoxButtons::YesNo,
                           MsgBoxIcon::None, risposta);
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cella);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "prima");
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cella);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), appunti[voce]);
    }
    // Each analysis opened a window of its own; the last one is kept until it closes.
    EXPECT_EQ(banco.principale.Area()->subWindowList().size(), 4);
    ASSERT_FALSE(AnalysisWindow().isNull());
    banco.principale.ChiudiFinestra(AnalysisWindow());
    EXPECT_TRUE(AnalysisWindow().isNull());
}

// The bar of the whole archive goes past 16 bits.
TEST(Ricerca2, UnArchivioPieno) {
    prova::BancoSerie banco(32767, {{5, 17}});
    banco.C<QScrollBar>("HScroll1")->setValue(1);
    Avanzamenti avanzamenti;
    QPointer<Ricerca2> w = banco.Elabora(0);
    ASSERT_TRUE(w);
    EXPECT_EQ(avanzamenti.valori.back(), std::pair(32769, 32759));
    EXPECT_TRUE(w->windowTitle().endsWith("Fine: 27 - 12 - 2498     "));
}

// A series the analysis refuses leaves nothing open.
TEST(Ricerca2, UnaSerieRifiutataNonLasciaNullaAperto) {
    prova::BancoSerie banco(10, {{123, 5}, {}});
    prova::MsgBoxScript script;
    for (const char* messaggio : {"Serie non valida: il numero 123 è fuori dall'intervallo 1-90.",
                                  "La serie selezionata non contiene numeri da analizzare."})
        script.Attendi(messaggio, MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, MsgBoxResult::Ok);
    for (int voce : {0, 1}) {
        EXPECT_EQ(banco.Elabora(voce), nullptr);
        EXPECT_EQ(banco.principale.Area()->subWindowList().size(), 1);
        EXPECT_EQ(Form41::Istanza(), nullptr);
        EXPECT_TRUE(banco.principale.isEnabled());
        EXPECT_EQ(Module1().SeriesNumbers, (std::array<std::int16_t, 21>{}));
    }
}

// The loading window lets go of the main window once, however late it is deleted.
TEST(Form41, LasciaLaFinestraPrincipaleUnaVolta) {
    prova::BancoSerie banco(1, {});
    BloccoPrincipale about;  // another window's hold
    QPointer<Form41> caricamento = Form41::Carica();
    Form41::Scarica();
    ASSERT_TRUE(QTest::qWaitFor([&] { return caricamento.isNull(); }));
    EXPECT_FALSE(banco.principale.isEnabled());
}

// The loading window paints itself, with no event loop, whenever its bar has
// grown by a hundredth: not at the steps in between.
TEST(Form41, SiDipingeAOgniCentesimoDellaBarra) {
    prova::BancoSerie banco(1, {});
    Form41* caricamento = Form41::Carica();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(caricamento));
    caricamento->ProgressBar1()->setMaximum(1000);
    struct Contatore : QObject {
        int pitture = 0;
        bool eventFilter(QObject*, QEvent* evento) override {
            pitture += evento->type() == QEvent::Paint;
            return false;
        }
    } contatore;
    caricamento->installEventFilter(&contatore);
    std::string dipinte;
    for (int valore : {9, 10, 19, 20, 999, 1000}) {
        contatore.pitture = 0;
        caricamento->ImpostaValore(valore);
        dipinte += std::to_string(valore) + (contatore.pitture > 0 ? "+ " : "- ");
    }
    EXPECT_EQ(dipinte, "9- 10+ 19- 20+ 999+ 1000+ ");
    Form41::Scarica();
}

}  // namespace
}  // namespace ruotario
