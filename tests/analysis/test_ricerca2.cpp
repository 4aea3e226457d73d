// The analysis window as a player sees it: the grid of three analyses worked
// out by hand, its colours, sizes, clicks and clipboard, and the loading
// window painted while the analysis runs.
#include "series/banco_serie.h"
#include "shell/form41.h"
#include "shell/vista_griglia.h"
#include "support/cella_vista.h"

namespace ruotario {
namespace {

constexpr int BA = 1, CA = 2, FI = 3, GE = 4, MI = 5, NA = 6, PA = 7, RO = 8, TO = 9, VE = 10;

// What every loading window shown meanwhile painted whole: its bar's
// " value/maximum", once for paints in a row that show the same.
struct Dipinture : QObject {
    Dipinture() { qApp->installEventFilter(this); }
    ~Dipinture() override { qApp->removeEventFilter(this); }
    std::string viste;

    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        auto* finestra = qobject_cast<Form41*>(oggetto);
        if (!finestra || evento->type() != QEvent::Paint ||
            static_cast<QPaintEvent*>(evento)->rect() != finestra->rect())
            return false;
        const QProgressBar* b = finestra->ProgressBar1();
        const auto vista = " " + std::to_string(b->value()) + "/" + std::to_string(b->maximum());
        if (!viste.ends_with(vista)) viste += vista;
        return false;
    }
};

// 27, then 5 17, then 5 17 33 60 over forty weekly draws from 7 January 1871
// whose wheels hold 81..85, except Cagliari, never drawn, Genova, drawn from
// the 38th on, and the wheels below. 27 twice on Roma is no hit; Torino's
// empty slots count for the events, not for the numbers' own delays. Then
// two series the analysis refuses.
TEST(Ricerca2, TreAnalisiCalcolateAManoEDueRifiutate) {
    prova::BancoSerie banco(40, {{27}, {5, 17}, {5, 17, 33, 60}, {123, 5}, {}});
    std::vector<DrawRecord> draws = prova::Settimanali(40);
    for (int k = 0; k < 40; ++k)
        for (int c = 0; c < kRuote * kPosizioni; ++c)
            draws[k].Cells[c] = c / 5 + 1 == CA || (c / 5 + 1 == GE && k < 37) ? 0 : 81 + c % 5;
    const std::tuple<int, int, std::array<std::int16_t, 5>> ruote[] = {
        {1, NA, {5, 17, 33, 1, 2}},     {36, BA, {27, 5, 17, 33, 60}}, {36, FI, {5, 17, 1, 2, 3}},
        {37, MI, {5, 17, 33, 4, 6}},    {37, RO, {27, 27, 1, 2, 3}},   {38, GE, {27, 5, 1, 2, 3}},
        {39, PA, {27, 17, 12, 13, 14}}, {39, TO, {1, 2, 0, 0, 0}},     {39, VE, {60, 33, 17, 7, 8}},
        {40, BA, {5, 60, 9, 10, 11}}};
    for (const auto& [k, w, numeri] : ruote)
        std::copy(numeri.begin(), numeri.end(), &draws[k - 1].Numbers(1, w));
    prova::ScriviArchivio(draws);

    // The cells of each row separated by blanks (two stand around an empty
    // cell), each row ended by "|".
    const char* testi[] = {
        "27 Rit. Sort. Stor.|BA 4 1 35|CA -- -- --|FI 40 0 40|GE 2 1 2|MI 40 0 40|NA 40 0 40|"
        "PA 1 1 38|RO 40 0 40|TO 40 0 40|VE 40 0 40|Tutte 1  35|Som 209 3 |",
        " 5 17 Min R.A. Sor Sto|BA 0 4 0 4 1 35|CA -- --  -- -- --|FI 4 4 4 4 1 35|GE 2 3 2 3 0 3|"
        "MI 3 3 3 3 1 36|NA 39 39 39 39 1 39|PA 40 1 1 40 0 40|RO 40 40 40 40 0 40|"
        "TO 39 39 39 40 0 40|VE 40 1 1 40 0 40|Tutte 0 1  3  34|Som 207 134   4 |",
        " 5 17 33 60 Min R.A. Sor Sto R.T. Sor Sto R.Q. Sor Sto|BA 0 4 4 0 0 0 2 35 4 1 35 4 1 35|"
        "CA -- -- -- --  -- -- -- -- -- -- -- -- --|FI 4 4 40 40 4 4 1 35 40 0 40 40 0 40|"
        "GE 2 3 3 3 2 3 0 3 3 0 3 3 0 3|MI 3 3 3 40 3 3 1 36 3 1 36 40 0 40|"
        "NA 39 39 39 40 39 39 1 39 39 1 39 40 0 40|PA 40 1 40 40 1 40 0 40 40 0 40 40 0 40|"
        "RO 40 40 40 40 40 40 0 40 40 0 40 40 0 40|TO 39 39 39 39 39 40 0 40 40 0 40 40 0 40|"
        "VE 40 1 1 1 1 1 1 38 1 1 38 40 0 40|Tutte 0 1 1 0  0  34 1  34 3  35|"
        "Som 207 134 209 243   6   4   1 |"};
    // Each cell's background and text colour, a letter each, of the header
    // row, the wheels' rows (all alike), "Tutte" and "Som", each row ended by
    // "|": g grey, d dark grey, w white, c light grey, o olive, m middle grey,
    // b blue, p pink, y cyan, r dark red, k black.
    const char* colori[] = {"grdygkgk|dywkgrcb|dypwpwpw|gkgkgkgk|",
                            "gkdydygkgkgkgk|dywkwkgrcbcbcb|dymwmwmwbwmwmw|gkgkgkgkgkgkgk|",
                            "gkdydydydygkgkgkgkgkgkgkgkgkgk|dywkwkwkwkgrcbcbcborororgbgbgb|"
                            "dymwmwmwmwmwbwmwmwbwmwmwbwmwmw|gkgkgkgkgkgkgkgkgkgkgkgkgkgkgk|"};
    const QRgb rgb[] = {0xc0c0c0, 0x404040, 0xffffff, 0xe0e0e0, 0xc0c000, 0x808080,
                        0x0000ff, 0xff8080, 0x00ffff, 0x800000, 0x000000};
    const auto Lettera = [&](const QColor& c) {
        return "gdwcombpyrk?"[std::ranges::find(rgb, c.rgb() & 0xffffff) - rgb];
    };
    // Painted when shown, and as the bar moves every twenty steps of the 40
    // draws and the n numbers; the single number's columns start it over.
    const char* dipinte[] = {" 0/100 19/41 39/41 0/40", " 0/100 19/42 39/42", " 0/100 19/44 39/44"};
    const int n[] = {1, 2, 4}, larghezze[] = {132, 231, 503};
    const char* appunti[] = {"27 - ", "5 - 17 - ", "5 - 17 - 33 - 60 - "};
    prova::MsgBoxScript script;
    for (int voce = 0; voce < 3; ++voce) {
        Dipinture caricamento;
        QPointer<Ricerca2> w = banco.Elabora(voce);
        ASSERT_TRUE(w);
        // The main window enabled again, the banner on.
        EXPECT_TRUE(banco.principale.isEnabled() && banco.principale.Timer1()->isActive());
        EXPECT_EQ(caricamento.viste, dipinte[voce]);
        EXPECT_EQ(w->windowTitle(), QString(voce ? "Serie_1" : "27_1") +
                                        "   Inizio: 7 - 1 - 1871   Fine: 7 - 10 - 1871     ");

        VistaGriglia* grid = w->MSFlexGrid1();
        const int colonne = grid->model()->columnCount();
        std::string visti, tinte;
        for (int r = 0; r < 13; ++r) {
            std::string riga;
            for (int c = 0; c < colonne; ++c) {
                const prova::CellaVista cella = prova::LeggiCella(grid, r, c, r == 0 || c == 0);
                visti += cella.testo.toStdString() + (c + 1 < colonne ? " " : "|");
                riga += std::string{Lettera(cella.sfondo), Lettera(cella.colore)};
            }
            if (!tinte.ends_with(riga + "|")) tinte += riga + "|";  // the wheels' rows once
        }
        EXPECT_EQ(visti, testi[voce]);
        EXPECT_EQ(tinte, colori[voce]);
        // 33, 25 and 37 pixels wide, 27 high; the corner 12 points for a single number.
        for (int c = 0; c < colonne; ++c)
            EXPECT_EQ(grid->columnWidth(c), c == 0 ? 33 : c <= n[voce] ? 25 : 37) << c;
        EXPECT_EQ(prova::LeggiCella(grid, 0, 0, true).punti, voce ? 8 : 12);
        // The window is the grid, in a frame that fits it, at the top-left corner.
        EXPECT_EQ(grid->geometry(), QRect(0, 0, larghezze[voce], 13 * 27));
        EXPECT_EQ(w->parentWidget()->geometry(),
                  QRect(0, 0, larghezze[voce] + 2 * w->x(), w->y() + 13 * 27 + w->x()));

        // A left click moves, never onto the headers, nor do the arrows; a right
        // click offers the series to the clipboard.
        const QPoint cella(70, 90);  // row 3, column 2
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(10, 90));
        QTest::keyClick(grid, Qt::Key_Up);
        QTest::keyClick(grid, Qt::Key_Left);
        EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cella);
        QGuiApplication::clipboard()->setText("prima");
        for (auto risposta : {MsgBoxResult::No, MsgBoxResult::Yes})
            script.Attendi("Copiare elementi negli appunti ?", MsgBoxButtons::YesNo,
                           MsgBoxIcon::None, risposta);
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cella);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "prima");
        QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, cella);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), appunti[voce]);
    }
    // Each analysis opened a window of its own; the last one is kept until it
    // closes. A series refused leaves nothing open, and the hand-over cleared.
    banco.principale.ChiudiFinestra(AnalysisWindow());
    EXPECT_TRUE(AnalysisWindow().isNull());
    for (const char* messaggio : {"La serie selezionata non contiene numeri da analizzare.",
                                  "Serie non valida: il numero 123 è fuori dall'intervallo 1-90."})
        script.Attendi(messaggio, MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, MsgBoxResult::Ok);
    EXPECT_TRUE(!banco.Elabora(4) && !banco.Elabora(3) && !Form41::Istanza() &&
                (Module1().SeriesNumbers == std::array<std::int16_t, 21>{}) &&
                banco.principale.Area()->subWindowList().size() == 3 &&
                banco.principale.isEnabled());
}

// The bar of the whole archive goes past 16 bits. The loading window,
// centred on the main window, paints itself whenever its bar has grown by a
// hundredth, with no event loop: not at the steps in between.
TEST(Ricerca2, UnArchivioPienoEIlCaricamento) {
    prova::BancoSerie banco(32767, {{5, 17}});
    banco.C<QScrollBar>("HScroll1")->setValue(1);
    Dipinture dipinture;
    ASSERT_NE(banco.Elabora(0), nullptr);
    EXPECT_TRUE(dipinture.viste.ends_with(" 32119/32769 32459/32769"));

    QPointer<Form41> caricamento = Form41::Carica();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(caricamento));
    EXPECT_EQ(QRect(caricamento->pos(), caricamento->size()),
              QRect(banco.principale.geometry().center() - QPoint(149, 29), QSize(300, 60)));
    Form41::Scarica();
}

}  // namespace
}  // namespace ruotario
