#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analisi.h"
#include "store/draw_record.h"

namespace ruotario {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// One cell of the results grid. A colour or size that is not set leaves the
// grid's own default (fixed cells grey, the others white, black text).
struct Cella {
    std::string testo;
    std::optional<Rgb> sfondo;
    std::optional<Rgb> colore;
    std::optional<double> punti;
};

// The results grid of an analysis, cell by cell: 13 rows (headers, the ten
// wheels, "Tutte", "Som") and a column count that depends on the series.
// Row 0 and column 0 are the fixed headers.
class TabellaRisultati {
  public:
    static constexpr int kRighe = 13;
    static constexpr int kRigaTutte = 11;
    static constexpr int kRigaSom = 12;

    explicit TabellaRisultati(const RisultatoAnalisi& risultato);

    int Colonne() const { return colonne_; }
    const Cella& At(int riga, int colonna) const { return celle_[Indice(riga, colonna)]; }

    // Column widths in twips for a series of n numbers: the wheels 500, the
    // numbers 380, the rest 550.
    static int LarghezzaColonna(int n, int colonna);
    static constexpr int kAltezzaRiga = 400;

    // The series numbers as the clipboard receives them, each followed by " - ".
    std::string TestoAppunti() const;
    // The rows as text, fields separated by tabs, one line per row.
    std::string TestoTabulato() const;

  private:
    Cella& Scrivi(int riga, int colonna) { return celle_[Indice(riga, colonna)]; }
    std::size_t Indice(int riga, int colonna) const {
        return static_cast<std::size_t>(riga * colonne_ + colonna);
    }

    void PreparaGriglia();
    void Colora();
    void VisualizzaTutto(const RisultatoAnalisi& r);
    void ColonneNumeri(const RisultatoAnalisi& r);
    void ColonnaMin(const RisultatoAnalisi& r);
    void ColonneEventi(const RisultatoAnalisi& r);
    void CaricaAmbata(const RisultatoAnalisi& r);

    int n_;
    int colonne_;
    std::vector<Cella> celle_;
};

// Columns of the grid for a series of n numbers.
int ColonneGriglia(int n);

// "<number>_" for a single number or "Serie_", then "1", "   Inizio: ",
// the first draw's date, "   Fine: ", the last draw's date and five blanks;
// dates as "7 - 1 - 1871".
std::string TitoloRicerca(const std::array<std::int16_t, 21>& SeriesNumbers,
                          const DrawRecord& inizio, const DrawRecord& fine);

}  // namespace ruotario
