#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "analysis/tabella.h"

namespace ruotario {

class Form41;
class ModelloRisultati;
class VistaGriglia;

// The loading window's bar moves every twenty steps of an analysis, at 19, 39,
// 59, ...: often enough to be seen, seldom enough to cost nothing.
constexpr std::int64_t kOgniPassi = 20;

// The result of one analysis in one grid: the series (SeriesNumbers) over the
// draws RangeStart..RangeEnd. A new window for every analysis; the analysis
// runs while it loads, so it is first shown filled and fitted to its grid.
// A right click on the grid offers to copy the series to the clipboard.
class Ricerca2 : public QWidget {
    Q_OBJECT

  public:
    // Creates the window, loads it and shows it in the main window. When the
    // analysis fails the message is shown, nothing stays open and the result
    // is nullptr.
    static Ricerca2* Apri();

    VistaGriglia* MSFlexGrid1() const { return grid_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Ricerca2();

    bool Form_Load();
    void FineRicerca(const std::vector<int>& numeri, Form41& caricamento);
    void VisualizzaTutto(const RisultatoAnalisi& risultato);
    void MSFlexGrid1_MouseDown(int Button);
    void PrelevaElementi();

    // The hand-over as it stood when the window was made: what is chosen
    // while it loads belongs to the next analysis.
    const std::array<std::int16_t, 21> serie_;
    const std::int16_t inizio_;
    const std::int16_t fine_;
    VistaGriglia* grid_;
    ModelloRisultati* modello_;
};

// The analysis window opened last; cleared when an analysis window closes.
QPointer<Ricerca2>& AnalysisWindow();

}  // namespace ruotario
