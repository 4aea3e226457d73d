// What a user waits for in the windows, on an archive of 32,767 draws (the
// most the archive holds), offscreen, with the main window shown at the size
// it opens with: from the menu entry or the click until the window is on
// screen and painted. Closing the window again is not timed. Wall-clock time:
// the raster engine hands part of its painting to other threads.
//
// "Painted": after the action the posted events are processed (layout, show,
// the update request that paints the main window's backing store and flushes
// it) until the new window has received its paint event; a window that has not
// by then is repainted at once, and the `ridipinte` counter says how often that
// was needed. The analysis window is also checked for its filled grid, the
// archive window for the last draw. `prima_ms`: the first time in the process.
//
// Elabora is set against a record-by-record analysis behind the same loading
// window, measured in the same run.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <optional>
#include <string>

#include "analisi_letterale.h"
#include "analysis/ricerca2.h"
#include "app/about.h"
#include "app/avvio.h"
#include "app/mdiform1.h"
#include "archive/archivio.h"
#include "archivio_bench.h"
#include "series/file_serie.h"
#include "series/serie.h"
#include "shell/form41.h"
#include "shell/msgbox.h"
#include "shell/vista_griglia.h"
#include "store/lotto_dat.h"
#include "store/module1.h"

namespace ruotario::bench {
namespace {

constexpr int kEstrazioni = 32767;
constexpr int kPerAnno = 156;

// No box may wait for a user here: each is answered and counted, and a box
// during a timed action means the action failed.
class Risposte : public MsgBoxResponder {
  public:
    Risposte() { SetMsgBoxResponder(this); }
    ~Risposte() override { SetMsgBoxResponder(nullptr); }
    MsgBoxResult Answer(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon) override {
        ++domande;
        ultima = testo;
        return pulsanti == MsgBoxButtons::Ok ? MsgBoxResult::Ok : MsgBoxResult::No;
    }
    int domande = 0;
    QString ultima;
};

// Notes the paint events a window receives.
class Pittura : public QObject {
  public:
    explicit Pittura(QWidget* finestra) : finestra_(finestra) {
        finestra_->installEventFilter(this);
    }
    ~Pittura() override {
        if (finestra_) finestra_->removeEventFilter(this);
    }
    bool Dipinta() const { return dipinta_; }

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (evento->type() == QEvent::Paint) dipinta_ = true;
        return QObject::eventFilter(oggetto, evento);
    }

  private:
    QPointer<QWidget> finestra_;
    bool dipinta_ = false;
};

// Lets the posted events run until `finestra` has been painted; repaints it
// when they did not (counted in `ridipinte`).
void FinoAllaPittura(QWidget* finestra, const Pittura& pittura, int& ridipinte) {
    for (int giro = 0; giro < 10 && !pittura.Dipinta(); ++giro)
        QCoreApplication::processEvents();
    if (!pittura.Dipinta()) {
        finestra->repaint();
        ++ridipinte;
    }
}

// Deletes what the closing left for later and lets the main window repaint
// where the window was, so the next action starts from a quiet screen.
void Quiete() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The archive, the answers and the main window as the program opens it,
// shown once.
struct Scena {
    Scena() : archivio(kEstrazioni, kPerAnno) {}
    void Mostra() {
        if (principale) return;
        principale.emplace();
        principale->show();
        if (!QTest::qWaitForWindowExposed(&*principale)) std::abort();
        Quiete();
    }
    // The banner runs after an analysis; it stops between actions so that its
    // ticks fall into none of them.
    void FermaBanner() {
        principale->Timer1()->stop();
        principale->Timer2()->stop();
    }
    ArchivioBench archivio;
    Risposte risposte;
    std::optional<MDIForm1> principale;
};

void Errore(benchmark::State& stato, const std::string& cosa) {
    stato.SkipWithError(cosa.c_str());
}

// A box during the action: the action failed, and the box says why.
void ControllaRisposte(benchmark::State& stato, const Risposte& risposte) {
    if (risposte.domande) Errore(stato, "messaggio: " + risposte.ultima.toStdString());
}

// The first time an action runs in this process, as a user's first after the
// program starts (fonts, styles and caches not yet warm): the benchmark runs
// its function more than once, only the very first one counts.
class PrimaVolta {
  public:
    void Inizia() { orologio_.start(); }
    void Finisci() {
        if (ms_ < 0) ms_ = static_cast<double>(orologio_.nsecsElapsed()) / 1e6;
    }
    double Ms() const { return ms_; }

  private:
    QElapsedTimer orologio_;
    double ms_ = -1;
};

void Riporta(benchmark::State& stato, double primaMs, int ridipinte) {
    stato.counters["prima_ms"] = primaMs;
    stato.counters["ridipinte"] = ridipinte;
}

// The window W opened by a menu command, until it is painted.
template <typename W>
bool ApriDalMenu(QAction* comando, int& ridipinte) {
    comando->trigger();
    W* finestra = W::Istanza();
    if (!finestra) return false;
    Pittura pittura(finestra);
    FinoAllaPittura(finestra, pittura, ridipinte);
    return finestra->isVisible();
}

// "&Estrazioni": the archive window on the last draw.
bool ApriArchivio(MDIForm1& principale, int& ridipinte) {
    if (!ApriDalMenu<Archivio>(principale.mnuEstra(), ridipinte)) return false;
    const Archivio* archivio = Archivio::Istanza();
    return archivio->VScroll1()->value() == kEstrazioni &&
           archivio->Label1()->text() == QString::number(kEstrazioni);
}

// Opens a window with `apri` (from the command until it is painted) again and
// again; `chiudi`, not timed, closes it. The first opening in the process is
// reported apart, in `prima`.
template <typename Apri, typename Chiudi>
void Aperture(benchmark::State& stato, Scena& scena, PrimaVolta& prima, const char* cosa, Apri apri,
              Chiudi chiudi) {
    scena.Mostra();
    MDIForm1& principale = *scena.principale;
    int ridipinte = 0;
    prima.Inizia();
    if (!apri(principale, ridipinte)) return Errore(stato, cosa);
    prima.Finisci();
    chiudi(principale);
    Quiete();
    for (auto _ : stato) {
        if (!apri(principale, ridipinte)) return Errore(stato, cosa);
        stato.PauseTiming();
        chiudi(principale);
        Quiete();
        stato.ResumeTiming();
    }
    ControllaRisposte(stato, scena.risposte);
    Riporta(stato, prima.Ms(), ridipinte);
}

void BM_ApriArchivio(benchmark::State& stato) {
    Scena scena;
    static PrimaVolta prima;
    Aperture(stato, scena, prima, "archivio non aperto", ApriArchivio,
             [](MDIForm1& p) { p.ChiudiFinestra(Archivio::Istanza()); });
}
BENCHMARK(BM_ApriArchivio)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ApriSerie(benchmark::State& stato) {
    Scena scena;
    AccodaSerie(SeriePath(), Venti());
    static PrimaVolta prima;
    // "&Archivio Serie": the series window, its list read from the Serie file.
    Aperture(
        stato, scena, prima, "serie non aperta",
        [](MDIForm1& p, int& r) { return ApriDalMenu<Serie>(p.mnuSerie(), r); },
        [](MDIForm1& p) { p.ChiudiFinestra(Serie::Istanza()); });
}
BENCHMARK(BM_ApriSerie)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ApriAbout(benchmark::State& stato) {
    Scena scena;
    static PrimaVolta prima;
    // "&About Ruotario...": a window of its own above the main window.
    Aperture(
        stato, scena, prima, "about non aperto",
        [](MDIForm1& p, int& r) { return ApriDalMenu<About>(p.mnuAbout(), r); },
        [](MDIForm1&) { About::Istanza()->close(); });
}
BENCHMARK(BM_ApriAbout)->Unit(benchmark::kMillisecond)->UseRealTime();

// The series window open on the one stored series of twenty numbers, the
// range over the whole archive.
QAbstractButton* PreparaElabora(Scena& scena) {
    AccodaSerie(SeriePath(), Venti());
    scena.Mostra();
    Serie* serie = Serie::Apri();
    auto* inizio = serie->findChild<QScrollBar*>("HScroll1");
    auto* fine = serie->findChild<QScrollBar*>("HScroll2");
    auto* elabora = serie->findChild<QAbstractButton*>("Command1_0");
    if (!inizio || !fine || !elabora) return nullptr;
    inizio->setValue(1);
    fine->setValue(kEstrazioni);
    Quiete();
    if (Module1().RangeStart != 1 || Module1().RangeEnd != kEstrazioni) return nullptr;
    return elabora;
}

// A click on Elabora until the analysis window is shown with its grid filled.
bool Elabora(QAbstractButton* elabora, int& ridipinte) {
    AnalysisWindow() = nullptr;
    QTest::mouseClick(elabora, Qt::LeftButton);
    Ricerca2* ricerca = AnalysisWindow();
    if (!ricerca) return false;
    Pittura pittura(ricerca->MSFlexGrid1()->viewport());
    FinoAllaPittura(ricerca, pittura, ridipinte);
    const QAbstractItemModel* modello = ricerca->MSFlexGrid1()->model();
    return ricerca->isVisible() && modello->rowCount() > 1 && modello->columnCount() > 20 &&
           !modello->data(modello->index(1, 1)).toString().isEmpty();
}

void ChiudiRicerca(Scena& scena) {
    scena.principale->ChiudiFinestra(AnalysisWindow());
    scena.FermaBanner();
    Quiete();
}

void BM_Elabora(benchmark::State& stato) {
    Scena scena;
    QAbstractButton* elabora = PreparaElabora(scena);
    if (!elabora) return Errore(stato, "finestra delle serie non pronta");
    static PrimaVolta prima;
    Aperture(
        stato, scena, prima, "analisi non mostrata",
        [elabora](MDIForm1&, int& r) { return Elabora(elabora, r); },
        [&scena](MDIForm1&) { ChiudiRicerca(scena); });
}
BENCHMARK(BM_Elabora)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The baseline: the record-by-record analysis behind the same loading window,
// the grid not even filled.
void BM_ElaboraLetterale(benchmark::State& stato) {
    Scena scena;
    scena.Mostra();
    for (auto _ : stato) {
        Form41* caricamento = Form41::Carica();
        QCoreApplication::processEvents();
        caricamento->ProgressBar1()->setMaximum(kEstrazioni + static_cast<int>(Venti().size()));
        caricamento->ImpostaValore(0);
        std::int64_t passo = 0;
        benchmark::DoNotOptimize(AnalisiLetterale(LottoDatPath(), 1, kEstrazioni, Venti(), [&] {
            if (++passo % kOgniPassi == kOgniPassi - 1)
                caricamento->ImpostaValore(static_cast<int>(passo));
        }));
        Form41::Scarica();
        stato.PauseTiming();
        Quiete();
        stato.ResumeTiming();
    }
}
BENCHMARK(BM_ElaboraLetterale)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
}  // namespace ruotario::bench

// One QApplication for every benchmark, prepared as the program prepares its
// own, on the offscreen platform unless another one is asked for.
int main(int argc, char** argv) {
    // The offscreen platform says, at every window, what it cannot do
    // (raise, size hints); the figures are easier to read without it.
    static const QtMessageHandler kAvanti = qInstallMessageHandler(nullptr);
    qInstallMessageHandler(
        [](QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo) {
            if (!testo.startsWith("This plugin does not support")) kAvanti(tipo, contesto, testo);
        });
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ruotario::PreparaApplicazione(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
