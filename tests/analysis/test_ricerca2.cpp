#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>
#include <cerrno>

#include "analysis/analisi.h"
#include "analysis/tabella.h"
#include "series/banco_serie.h"
#include "shell/form41.h"
#include "shell/msflexgrid.h"
#include "shell/twips.h"
#include "store/module1.h"
#include "support/io_guasto.h"
#include "support/msgbox_script.h"

namespace ruotario {
namespace {

using prova::MsgBoxScript;

// Every (maximum, value) the loading window's bar goes through.
class Avanzamenti : public QObject {
  public:
    Avanzamenti() { qApp->installEventFilter(this); }
    ~Avanzamenti() override { qApp->removeEventFilter(this); }
    std::vector<std::pair<int, int>> valori;

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Show && oggetto->objectName() == "Form41") {
            auto* barra = oggetto->findChild<QProgressBar*>("ProgressBar1");
            connect(barra, &QProgressBar::valueChanged, this, [this, barra](int valore) {
                valori.push_back({barra->maximum(), valore});
            });
        }
        return false;
    }
};

// Nothing is left of an analysis that failed.
void NienteAperto(const prova::BancoSerie& b) {
    EXPECT_TRUE(AnalysisWindow().isNull());
    EXPECT_EQ(b.principale.Area()->subWindowList().size(), 1);
    EXPECT_EQ(Form41::Istanza(), nullptr);
    EXPECT_TRUE(b.principale.isEnabled());
    EXPECT_EQ(Module1().SeriesNumbers, (std::array<std::int16_t, 21>{}));
}

QString Riga(const MSFlexGrid* grid, int r) {
    QStringList celle;
    for (int c = 0; c < grid->Cols(); ++c)
        celle << grid->TextMatrix(r, c);
    return celle.join('|');
}

TEST(Ricerca2, GrigliaComeLaTabellaEFinestraAdattata) {
    const std::vector<std::vector<int>> serie = {{27}, {5, 17}, {5, 17, 33}, {3, 14, 27, 45, 81}};
    prova::BancoSerie banco(300, serie);
    const QString intestazioni[] = {
        "27|Rit.|Sort.|Stor.",
        "|5|17|Min|R.A.|Sor|Sto",
        "|5|17|33|Min|R.A.|Sor|Sto|R.T.|Sor|Sto",
        "|3|14|27|45|81|Min|R.A.|Sor|Sto|R.T.|Sor|Sto|R.Q.|Sor|Sto",
    };
    for (int voce = 0; voce < 4; ++voce) {
        const int n = static_cast<int>(serie[voce].size());
        Ricerca2* w = banco.Elabora(voce);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QString(n == 1 ? "27_1" : "Serie_1") +
                                        "   Inizio: 19 - 4 - 1873   Fine: 30 - 9 - 1876     ");
        MSFlexGrid* grid = w->MSFlexGrid1();
        EXPECT_EQ(grid->Cols(), (std::array{4, 7, 11, 16})[voce]);
        EXPECT_EQ(grid->Rows(), 13);
        EXPECT_EQ(Riga(grid, 0), intestazioni[voce]);
        EXPECT_EQ(grid->font().family(), "MS Sans Serif");

        TabellaRisultati tabella(AnalizzaArchivio(ArchivioPath(), 120, 300, serie[voce]));
        int larghezza = 0;
        for (int c = 0; c < grid->Cols(); ++c) {
            EXPECT_EQ(grid->ColWidth(c), c == 0 ? 500 : c <= n ? 380 : 550);
            larghezza += Twips(grid->ColWidth(c));
            for (int r = 0; r < 13; ++r) {
                const Cella& cella = tabella.At(r, c);
                EXPECT_EQ(grid->TextMatrix(r, c).toStdString(), cella.testo);
                // Unset colours are the grid's own.
                Rgb sfondo = cella.sfondo.value_or(grid->IsFixed(r, c) ? Rgb{192, 192, 192}
                                                                       : Rgb{255, 255, 255});
                Rgb colore = cella.colore.value_or(Rgb{0, 0, 0});
                EXPECT_EQ(grid->BackColorAt(r, c), QColor(sfondo.r, sfondo.g, sfondo.b));
                EXPECT_EQ(grid->ForeColorAt(r, c), QColor(colore.r, colore.g, colore.b));
                EXPECT_EQ(grid->FontSizeAt(r, c), cella.punti.value_or(8));
            }
        }
        EXPECT_EQ(grid->RowHeight(12), 400);
        // The window is the grid, in a frame that fits it, at the top-left corner.
        EXPECT_EQ(grid->geometry(), QRect(0, 0, larghezza, 13 * Twips(400)));
        EXPECT_EQ(w->size(), grid->size());
        QWidget* cornice = w->parentWidget();
        EXPECT_EQ(cornice->pos(), QPoint(0, 0));
        EXPECT_EQ(cornice->width(), w->width() + 2 * w->x());
        EXPECT_EQ(cornice->height(), w->y() + w->height() + w->x());
        EXPECT_EQ(Module1().SeriesNumbers, (std::array<std::int16_t, 21>{}));
    }
    Ricerca2* cinque = AnalysisWindow();
    EXPECT_EQ(cinque->MSFlexGrid1()->BackColorAt(1, 10), QColor(192, 192, 0));
    EXPECT_EQ(cinque->MSFlexGrid1()->BackColorAt(11, 7), QColor(0, 0, 255));
    banco.principale.ChiudiFinestra(cinque);
    EXPECT_TRUE(AnalysisWindow().isNull());
}

TEST(Ricerca2, AvanzamentoESblocco) {
    prova::BancoSerie banco(300, {{27}, {5, 17}});
    {
        Avanzamenti avanzamenti;
        banco.Elabora(1);
        std::vector<std::pair<int, int>> attesi;
        for (int v = 19; v < 183; v += 20)
            attesi.push_back({183, v});  // 181 draws and 2 numbers
        EXPECT_EQ(avanzamenti.valori, attesi);
    }
    {
        // The single number's columns start the bar over at the end.
        Avanzamenti avanzamenti;
        banco.Elabora(0);
        ASSERT_FALSE(avanzamenti.valori.empty());
        EXPECT_EQ(avanzamenti.valori.front(), std::pair(182, 19));
        EXPECT_EQ(avanzamenti.valori.back(), std::pair(181, 0));
    }
    EXPECT_EQ(Form41::Istanza(), nullptr);
    EXPECT_TRUE(banco.principale.isEnabled());
}

TEST(Ricerca2, UnArchivioPieno) {
    prova::BancoSerie banco(32767, {{5, 17}});
    banco.C<QScrollBar>("HScroll1")->setValue(1);
    Avanzamenti avanzamenti;
    Ricerca2* w = banco.Elabora(0);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(avanzamenti.valori.back(), std::pair(32769, 32759));
    EXPECT_TRUE(w->windowTitle().endsWith("Fine: 27 - 12 - 2498     "));
}

TEST(Ricerca2, UnErroreNonLasciaNullaAperto) {
    prova::BancoSerie banco(300, {{123, 5}, {}, {5, 17}});
    MsgBoxScript script;
    script.Attendi("Serie non valida: contiene numeri fuori dall'intervallo 1-90.",
                   MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, MsgBoxResult::Ok);
    EXPECT_EQ(banco.Elabora(0), nullptr);
    NienteAperto(banco);
    script.Attendi("La serie selezionata non contiene numeri da analizzare.", MsgBoxButtons::Ok,
                   MsgBoxIcon::Exclamation, MsgBoxResult::Ok);
    EXPECT_EQ(banco.Elabora(1), nullptr);
    NienteAperto(banco);

    // The archive fails to read after the loading window is up: the two
    // dates of the caption are read, then the range.
    prova::IoGuasto guasto;
    guasto.Fallisci(prova::IoGuasto::Op::Read, EIO, 3);
    script.Attendi(
        QString::fromStdString("Impossibile leggere il file \"" + ArchivioPath().string() +
                               "\": errore di lettura o scrittura sul disco."),
        MsgBoxButtons::Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
    Avanzamenti avanzamenti;
    EXPECT_EQ(banco.Elabora(2), nullptr);
    EXPECT_EQ(guasto.Chiamate(prova::IoGuasto::Op::Read), 3);
    NienteAperto(banco);
}

TEST(Ricerca2, IlClicDestroCopiaLaSerie) {
    prova::BancoSerie banco(300, {{27}, {5, 17, 33}});
    QClipboard* appunti = QGuiApplication::clipboard();
    appunti->setText("prima");
    MSFlexGrid* grid = banco.Elabora(1)->MSFlexGrid1();
    auto Clic = [&grid](Qt::MouseButton pulsante) {
        QTest::mouseClick(grid->viewport(), pulsante, {},
                          grid->visualRect(grid->model()->index(3, 2)).center());
    };
    MsgBoxScript script;
    script.Attendi("Copiare elementi negli appunti ?", MsgBoxButtons::YesNo, MsgBoxIcon::None,
                   MsgBoxResult::No);
    Clic(Qt::RightButton);
    EXPECT_EQ(appunti->text(), "prima");
    Clic(Qt::LeftButton);  // asks nothing
    script.Attendi("Copiare elementi negli appunti ?", MsgBoxButtons::YesNo, MsgBoxIcon::None,
                   MsgBoxResult::Yes);
    Clic(Qt::RightButton);
    EXPECT_EQ(appunti->text(), "5 - 17 - 33 - ");

    grid = banco.Elabora(0)->MSFlexGrid1();
    script.Attendi("Copiare elementi negli appunti ?", MsgBoxButtons::YesNo, MsgBoxIcon::None,
                   MsgBoxResult::Yes);
    Clic(Qt::RightButton);
    EXPECT_EQ(appunti->text(), "27 - ");
}

}  // namespace
}  // namespace ruotario
