#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "store/draw_record.h"

namespace ruotario {

// The no-data marker: the wheel had no draw of the range.
constexpr std::int64_t kSenzaDati = -1;

// One event measured on each wheel and on all of them together: the single
// number coming out (ambata), or two, three, four numbers of the series
// coming out together on one wheel (ambo, terno, quaterna).
struct Evento {
    // 1..10: draws counted on the wheel since the last hit; 11: the longest
    // run of draws without a hit on any wheel.
    std::array<std::int64_t, kRuote + 2> Rit{};
    std::array<std::int64_t, kRuote + 1> Sort{};  // 1..10: hits
    std::array<std::int64_t, kRuote + 1> Stor{};  // 1..10: longest run without a hit
    std::int64_t RitTutte = 0;                    // draws since a hit on any wheel
    std::int64_t TotSort = 0;                     // hits summed over the wheels
};

// The outcome of one analysis. Values are wide: a range of 32,767 draws and
// its sums stay exact.
struct RisultatoAnalisi {
    std::vector<int> Numeri;  // the series, in order
    // For each number of the series (same order) and wheel 1..10: counted
    // draws since it last came out there. kSenzaDati on a wheel without draws
    // in series mode; single-number mode keeps 0 there.
    std::vector<std::array<std::int64_t, kRuote + 1>> RitNumeri;
    Evento Ambata;                 // single-number mode
    Evento Ambo, Terno, Quaterna;  // series mode

    int NumeriSerie() const { return static_cast<int>(Numeri.size()); }
    bool Singolo() const { return Numeri.size() == 1; }
    // Single-number mode: the wheel had no draw of the range.
    bool SenzaDati(int w) const { return Ambata.Rit[w] == kSenzaDati; }
};

// Called once per progress step, with the steps taken so far (from 1): one
// per number of the series in the backward scan, then one per draw.
using Avanzamento = std::function<void(std::int64_t passo)>;

// The numbers of SeriesNumbers(1..20) to analyse: as many leading slots as
// there are non-zero ones. Refuses an empty series and numbers outside 1..90.
std::vector<int> NumeriDellaSerie(const std::array<std::int16_t, 21>& SeriesNumbers);

// Checks that draws `da`..`a` exist in an archive of `conteggio` draws.
void ControllaIntervallo(std::int64_t da, std::int64_t a, std::int64_t conteggio);

// The analysis of `numeri` (1 to 20, each 1..90) over `estrazioni`, the draws
// of the range in archive order, no-data marking included.
RisultatoAnalisi Analizza(const std::vector<DrawRecord>& estrazioni, const std::vector<int>& numeri,
                          const Avanzamento& avanzamento = {});

// The same over records `da`..`a` of `archivio`, read with one call.
RisultatoAnalisi AnalizzaArchivio(const std::filesystem::path& archivio, std::int64_t da,
                                  std::int64_t a, const std::vector<int>& numeri,
                                  const Avanzamento& avanzamento = {});

}  // namespace ruotario
