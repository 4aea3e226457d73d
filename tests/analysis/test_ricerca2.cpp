#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QProgressBar>
#include <QScrollBar>
#include <QTimer>
#include <cerrno>

#include "analysis/tabella.h"
#include "series/banco_serie.h"
#include "shell/form41.h"
#include "shell/twips.h"
#include "shell/vista_griglia.h"
#include "store/module1.h"
#include "support/cella_vista.h"
#include "support/io_guasto.h"
#include "support/msgbox_script.h"

namespace ruotario {
namespace {

using Passi = std::vector<std::pair<int, int>>;
using Numeri = std::array<std::int16_t, 21>;

// Every (maximum, value) the loading window's bar goes through, and how often
// the loading window itself was painted while the analysis ran.
class Avanzamenti : public QObject {
  public:
    Avanzamenti() { qApp->installEventFilter(this); }
    ~Avanzamenti() override { qApp->removeEventFilter(this); }
    Passi valori;
    int dipinture = 0;

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint && oggetto->objectName() == "Form41") ++dipinture;
        if (evento->type() == QEvent::Show && oggetto->objectName() == "Form41") {
            auto* barra = oggetto->findChild<QProgressBar*>("ProgressBar1");
            connect(barra, &QProgressBar::valueChanged, this, [this, barra](int valore) {
                valori.push_back({barra->maximum(), valore});
            });
        }
        return false;
    }
};

void Clic(VistaGriglia* grid, Qt::MouseButton pulsante) {
    QTest::mouseClick(grid->viewport(), pulsante, {},
                      grid->visualRect(grid->model()->index(3, 2)).center());
}

// The last 181 of 300 weekly draws, for one, two, three and five numbers.
TEST(Ricerca2, GrigliaComeLaTabellaAvanzamentoEAppunti) {
    const std::vector<std::vector<int>> serie = {{27}, {5, 17}, {5, 17, 33}, {3, 14, 27, 45, 81}};
    prova::BancoSerie banco(300, serie);
    const QString intestazioni[] = {
        "27|Rit.|Sort.|Stor.",
        "|5|17|Min|R.A.|Sor|Sto",
        "|5|17|33|Min|R.A.|Sor|Sto|R.T.|Sor|Sto",
        "|3|14|27|45|81|Min|R.A.|Sor|Sto|R.T.|Sor|Sto|R.Q.|Sor|Sto",
    };
    const QString appunti[] = {"27 - ", "5 - 17 - ", "5 - 17 - 33 - ", "3 - 14 - 27 - 45 - 81 - "};
    prova::MsgBoxScript script;
    for (int voce = 0; voce < 4; ++voce) {
        const int n = static_cast<int>(serie[voce].size());
        Avanzamenti avanzamenti;
        Ricerca2* w = banco.Elabora(voce);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(Module1().SeriesNumbers, Numeri{});
        EXPECT_EQ(Form41::Istanza(), nullptr);
        EXPECT_TRUE(banco.principale.isEnabled());
        EXPECT_TRUE(banco.principale.Timer1()->isActive());
        // The bar moves every twenty steps of 181 draws and n numbers; the
        // single number's columns start it over at the end.
        Passi passi;
        for (int v = 19; v < 181 + n; v += 20)
            passi.push_back({181 + n, v});
        if (n == 1) passi.push_back({181, 0});
        EXPECT_EQ(avanzamenti.valori, passi);
        // Painted when shown and at every step, with no return to the event loop.
        EXPECT_GE(avanzamenti.dipinture, static_cast<int>(passi.size()) + 1);
        EXPECT_EQ(w->windowTitle(), QString(n == 1 ? "27_1" : "Serie_1") +
                                        "   Inizio: 19 - 4 - 1873   Fine: 30 - 9 - 1876     ");

        VistaGriglia* grid = w->MSFlexGrid1();
        const int colonne = grid->model()->columnCount();
        ASSERT_EQ(colonne, (std::array{4, 7, 11, 16})[voce]);
        EXPECT_EQ(grid->model()->rowCount(), 13);
        EXPECT_EQ(grid->font().family(), "MS Sans Serif");
        QStringList testata;
        for (int c = 0; c < colonne; ++c)
            testata << prova::TestoCella(grid, 0, c);
        EXPECT_EQ(testata.join('|'), intestazioni[voce]);
        TabellaRisultati tabella(AnalizzaArchivio(LottoDatPath(), 120, 300, serie[voce]));
        int larghezza = 0;
        for (int c = 0; c < colonne; ++c) {
            EXPECT_EQ(grid->columnWidth(c), Twips(c == 0 ? 500 : c <= n ? 380 : 550));
            larghezza += grid->columnWidth(c);
            for (int r = 0; r < 13; ++r) {
                const Cella& cella = tabella.At(r, c);
                const prova::CellaVista vista = prova::LeggiCella(grid, r, c, r == 0 || c == 0);
                EXPECT_EQ(vista.testo.toStdString(), cella.testo);
                // Unset colours are the grid's own.
                Rgb sfondo = cella.sfondo.value_or(r == 0 || c == 0 ? Rgb{192, 192, 192}
                                                                    : Rgb{255, 255, 255});
                Rgb colore = cella.colore.value_or(Rgb{0, 0, 0});
                EXPECT_EQ(vista.sfondo, QColor(sfondo.r, sfondo.g, sfondo.b));
                EXPECT_EQ(vista.colore, QColor(colore.r, colore.g, colore.b));
                EXPECT_EQ(vista.punti, cella.punti.value_or(8));
            }
        }
        EXPECT_EQ(grid->rowHeight(12), Twips(400));
        // The window is the grid, in a frame that fits it, at the top-left corner.
        EXPECT_EQ(grid->geometry(), QRect(0, 0, larghezza, 13 * Twips(400)));
        EXPECT_EQ(w->size(), grid->size());
        QWidget* cornice = w->parentWidget();
        EXPECT_EQ(cornice->pos(), QPoint(0, 0));
        EXPECT_EQ(cornice->width(), w->width() + 2 * w->x());
        EXPECT_EQ(cornice->height(), w->y() + w->height() + w->x());

        // A right click offers the series to the clipboard; a left click does nothing.
        QGuiApplication::clipboard()->setText("prima");
        for (auto risposta : {MsgBoxResult::No, MsgBoxResult::Yes})
            script.Attendi("Copiare elementi negli appunti ?", MsgBoxButtons::YesNo,
                           MsgBoxIcon::None, risposta);
        Clic(grid, Qt::RightButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "prima");
        Clic(grid, Qt::LeftButton);
        Clic(grid, Qt::RightButton);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), appunti[voce]);
    }
    // Each Elabora opened a window of its own; the last is kept.
    EXPECT_EQ(Module1().SeriesText, "-3 -14-27-45-81    S_4");
    EXPECT_EQ(banco.principale.Area()->subWindowList().size(), 5);
    Ricerca2* cinque = AnalysisWindow();
    EXPECT_EQ(prova::LeggiCella(cinque->MSFlexGrid1(), 1, 10, false).sfondo, QColor(192, 192, 0));
    EXPECT_EQ(prova::LeggiCella(cinque->MSFlexGrid1(), 11, 7, false).sfondo, QColor(0, 0, 255));
    banco.principale.ChiudiFinestra(cinque);
    EXPECT_TRUE(AnalysisWindow().isNull());
}

TEST(Ricerca2, UnArchivioPieno) {
    prova::BancoSerie banco(32767, {{5, 17}});
    banco.C<QScrollBar>("HScroll1")->setValue(1);
    Avanzamenti avanzamenti;
    Ricerca2* w = banco.Elabora(0);
    ASSERT_NE(w, nullptr);
    ASSERT_FALSE(avanzamenti.valori.empty());
    EXPECT_EQ(avanzamenti.valori.back(), std::pair(32769, 32759));
    EXPECT_TRUE(w->windowTitle().endsWith("Fine: 27 - 12 - 2498     "));
}

TEST(Ricerca2, UnErroreNonLasciaNullaAperto) {
    prova::BancoSerie banco(300, {{123, 5}, {}, {5, 17}});
    const std::tuple<int, QString, MsgBoxIcon> casi[] = {
        {0, "Serie non valida: il numero 123 è fuori dall'intervallo 1-90.",
         MsgBoxIcon::Exclamation},
        {1, "La serie selezionata non contiene numeri da analizzare.", MsgBoxIcon::Exclamation},
        // Read after the loading window is up: the caption's two dates come first.
        {2,
         QString::fromStdString("Impossibile leggere il file \"" + LottoDatPath().string() +
                                "\": errore di lettura o scrittura sul disco."),
         MsgBoxIcon::Critical},
    };
    for (const auto& [voce, messaggio, icona] : casi) {
        prova::IoGuasto guasto;
        guasto.Fallisci(prova::IoGuasto::Op::Read, EIO, 3);
        prova::MsgBoxScript script;
        script.Attendi(messaggio, MsgBoxButtons::Ok, icona, MsgBoxResult::Ok);
        EXPECT_EQ(banco.Elabora(voce), nullptr);
        EXPECT_TRUE(AnalysisWindow().isNull());
        EXPECT_EQ(banco.principale.Area()->subWindowList().size(), 1);
        EXPECT_EQ(Form41::Istanza(), nullptr);
        EXPECT_TRUE(banco.principale.isEnabled());
        EXPECT_EQ(Module1().SeriesNumbers, Numeri{});
    }
}

}  // namespace
}  // namespace ruotario
