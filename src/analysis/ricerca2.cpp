#include "analysis/ricerca2.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QTimer>

#include "analysis/modello_risultati.h"
#include "shell/cornice.h"
#include "shell/form41.h"
#include "shell/msgbox.h"
#include "shell/vista_griglia.h"
#include "store/errore.h"
#include "store/lotto_dat.h"
#include "store/module1.h"

namespace ruotario {
namespace {

// Unloads the loading window however the analysis ends.
class Caricamento {
  public:
    Caricamento() : finestra_(Form41::Carica()) {}
    ~Caricamento() { Form41::Scarica(); }
    Caricamento(const Caricamento&) = delete;
    Caricamento& operator=(const Caricamento&) = delete;
    Form41& operator*() const { return *finestra_; }

  private:
    Form41* finestra_;
};

void AccendiBanner() {
    if (auto* principale = Cornice::Istanza()) principale->AccendiBanner();
}

}  // namespace

QPointer<Ricerca2>& AnalysisWindow() {
    static QPointer<Ricerca2> finestra;
    return finestra;
}

Ricerca2::Ricerca2()
    : serie_(Module1().SeriesNumbers), inizio_(Module1().RangeStart), fine_(Module1().RangeEnd) {
    setObjectName("Ricerca2");
    grid_ = new VistaGriglia(this);
    grid_->setObjectName("MSFlexGrid1");
    // Sums wider than a number column keep their digits, as far as the cell shows them.
    grid_->setTextElideMode(Qt::ElideNone);
    modello_ = new ModelloRisultati(this);
    grid_->setModel(modello_);
    connect(grid_, &VistaGriglia::MouseDown, this,
            [this](int button, int, int, int) { MSFlexGrid1_MouseDown(button); });
}

Ricerca2* Ricerca2::Apri() {
    auto* finestra = new Ricerca2;
    AnalysisWindow() = finestra;
    if (!finestra->Form_Load()) {
        delete finestra;
        return nullptr;
    }
    Cornice* principale = Cornice::Istanza();
    if (!principale) {
        finestra->show();
        return finestra;
    }
    // The frame around the grid, whatever its thickness, at the top-left corner.
    QMdiSubWindow* cornice = principale->AggiungiFinestra(finestra);
    cornice->adjustSize();
    cornice->move(0, 0);
    return finestra;
}

bool Ricerca2::Form_Load() {
    // The loading window comes before the load's one yield: the window system
    // shows it then, and from there on it is painted at every step with no
    // other return to the event loop. Meanwhile the main window takes no
    // input, so no click that comes in the yield starts another analysis.
    Caricamento caricamento;
    QCoreApplication::processEvents();
    auto& m = Module1();
    bool riuscito = true;
    try {
        m.CurrentDrawIndex = inizio_;
        LeggiEstrazione();
        const DrawRecord inizio = m.CurrentDraw;
        m.CurrentDrawIndex = fine_;
        LeggiEstrazione();
        setWindowTitle(QString::fromStdString(TitoloRicerca(serie_, inizio, m.CurrentDraw)));
        FineRicerca(NumeriDellaSerie(serie_), *caricamento);
    } catch (const Errore& errore) {
        // The loading window goes first, so the main window takes the message.
        Form41::Scarica();
        MostraErrore(errore);
        riuscito = false;
    }
    m.SeriesNumbers.fill(0);
    return riuscito;
}

void Ricerca2::FineRicerca(const std::vector<int>& numeri, Form41& caricamento) {
    QProgressBar* barra = caricamento.ProgressBar1();
    // Wide: a range of 32,767 draws plus the series still fits.
    barra->setMaximum(fine_ - inizio_ + 1 + static_cast<int>(numeri.size()));
    caricamento.ImpostaValore(0);
    grid_->setFont(QFont("MS Sans Serif", 8));
    auto risultato =
        AnalizzaArchivio(LottoDatPath(), inizio_, fine_, numeri, [&](std::int64_t passo) {
            if (passo % kOgniPassi == kOgniPassi - 1)
                caricamento.ImpostaValore(static_cast<int>(passo));
        });
    if (risultato.Singolo()) {
        // The single number's columns start the bar over.
        barra->setMaximum(fine_ - inizio_ + 1);
        caricamento.ImpostaValore(0);
    }
    VisualizzaTutto(risultato);
}

// Every cell as the results table has it, the grid in its own sizes at the
// window's corner; then the window takes the grid's size.
void Ricerca2::VisualizzaTutto(const RisultatoAnalisi& risultato) {
    grid_->setUpdatesEnabled(false);
    modello_->Imposta(TabellaRisultati(risultato), grid_->font());
    const int n = risultato.NumeriSerie();
    grid_->setFrameShape(QFrame::NoFrame);
    grid_->SetFisse(1, 1);
    int larghezza = 0;
    for (int c = 0; c < modello_->columnCount(); ++c) {
        grid_->SetColWidth(c, TabellaRisultati::LarghezzaColonna(n, c));
        larghezza += grid_->columnWidth(c);
    }
    int altezza = 0;
    for (int r = 0; r < TabellaRisultati::kRighe; ++r) {
        grid_->SetRowHeight(r, TabellaRisultati::kAltezzaRiga);
        altezza += grid_->rowHeight(r);
    }
    grid_->setGeometry(0, 0, larghezza, altezza);
    grid_->setCurrentIndex(modello_->index(1, 1));
    setFixedSize(grid_->size());
    grid_->setUpdatesEnabled(true);
    Form41::Scarica();
    AccendiBanner();
}

void Ricerca2::MSFlexGrid1_MouseDown(int Button) {
    if (Button != 2) return;
    if (MsgBox("Copiare elementi negli appunti ?", MsgBoxButtons::YesNo, MsgBoxIcon::None) ==
        MsgBoxResult::Yes)
        PrelevaElementi();
}

void Ricerca2::PrelevaElementi() {
    QClipboard* appunti = QGuiApplication::clipboard();
    appunti->clear();
    appunti->setText(QString::fromStdString(modello_->Tabella()->TestoAppunti()));
}

void Ricerca2::closeEvent(QCloseEvent* event) {
    AnalysisWindow() = nullptr;
    QWidget::closeEvent(event);
}

}  // namespace ruotario
