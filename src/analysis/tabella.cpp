#include "analysis/tabella.h"

#include <algorithm>

namespace ruotario {
namespace {

constexpr Rgb kScuro{64, 64, 64};
constexpr Rgb kCiano{0, 255, 255};
constexpr Rgb kGrigio{192, 192, 192};
constexpr Rgb kGrigioMedio{128, 128, 128};
constexpr Rgb kChiaro{224, 224, 224};
constexpr Rgb kOliva{192, 192, 0};
constexpr Rgb kRossoScuro{128, 0, 0};
constexpr Rgb kBlu{0, 0, 255};
constexpr Rgb kBianco{255, 255, 255};
constexpr Rgb kRosa{255, 128, 128};

// The "Tutte" minimum of a number column only shows delays below this.
constexpr std::int64_t kSogliaTutte = 1000;
// The "Min" column only shows delays up to this.
constexpr std::int64_t kSogliaMin = 240;
// What an event's "Tutte" shows when every wheel is "--".
constexpr std::int64_t kNessunaRuota = 10000;

std::string Valore(std::int64_t v) {
    return v == kSenzaDati ? "--" : std::to_string(v);
}

std::string Data(const DrawRecord& d) {
    return std::to_string(d.Day) + " - " + std::to_string(d.Month) + " - " + std::to_string(d.Year);
}

}  // namespace

int ColonneGriglia(int n) {
    switch (n) {
        case 1:
            return 4;
        case 2:
            return 7;
        case 3:
            return 11;
        default:
            return n + 11;
    }
}

TabellaRisultati::TabellaRisultati(const RisultatoAnalisi& risultato)
    : n_(risultato.NumeriSerie()), colonne_(ColonneGriglia(n_)) {
    celle_.resize(static_cast<std::size_t>(kRighe * colonne_));
    PreparaGriglia();
    Colora();
    VisualizzaTutto(risultato);
}

int TabellaRisultati::LarghezzaColonna(int n, int colonna) {
    if (colonna == 0) return 500;
    return colonna <= n ? 380 : 550;
}

void TabellaRisultati::PreparaGriglia() {
    Scrivi(kRigaSom, 0).testo = "Som";
    Scrivi(kRigaTutte, 0).testo = "Tutte";
    const char* gruppi[] = {"R.A.", "R.T.", "R.Q."};
    if (n_ > 1) Scrivi(0, n_ + 1).testo = "Min";
    for (int g = 0; g < 3; ++g) {
        if (n_ <= g + 1) break;
        int c = n_ + 2 + 3 * g;
        Scrivi(0, c).testo = gruppi[g];
        Scrivi(0, c + 1).testo = "Sor";
        Scrivi(0, c + 2).testo = "Sto";
    }
}

// Applied in this order, each colour overriding what came before it.
void TabellaRisultati::Colora() {
    for (int i = 1; i <= n_; ++i) {
        Scrivi(0, i).sfondo = kScuro;
        Scrivi(0, i).colore = kCiano;
    }
    for (int c = n_ + 1; c < colonne_; ++c) {
        int gruppo = c - (n_ + 1);
        Rgb sfondo = gruppo == 0 ? kGrigio : gruppo <= 3 ? kChiaro : gruppo <= 6 ? kOliva : kGrigio;
        Rgb colore = gruppo == 0 || (gruppo >= 4 && gruppo <= 6) ? kRossoScuro : kBlu;
        for (int w = 1; w <= kRuote; ++w) {
            Scrivi(w, c).sfondo = sfondo;
            Scrivi(w, c).colore = colore;
        }
    }
    for (int c = 1; c < colonne_; ++c) {
        bool ritardo = c == n_ + 2 || c == n_ + 5 || c == n_ + 8;
        Scrivi(kRigaTutte, c).sfondo = ritardo ? kBlu : kGrigioMedio;
        Scrivi(kRigaTutte, c).colore = kBianco;
        Scrivi(kRigaSom, c).sfondo = kGrigio;
    }
    for (int w = 1; w <= kRigaTutte; ++w) {
        Scrivi(w, 0).sfondo = kScuro;
        Scrivi(w, 0).colore = kCiano;
        if (w <= kRuote) Scrivi(w, 0).testo = std::string(CodiceRuota(w));
    }
}

void TabellaRisultati::VisualizzaTutto(const RisultatoAnalisi& r) {
    for (int i = 1; i <= n_; ++i)
        Scrivi(0, i).testo = std::to_string(r.Numeri[i - 1]);
    ColonneNumeri(r);
    if (n_ == 1) {
        CaricaAmbata(r);
        Scrivi(0, 1).testo = "Rit.";
        Cella& angolo = Scrivi(0, 0);
        angolo.punti = 12;
        angolo.testo = std::to_string(r.Numeri[0]);
        angolo.colore = kRossoScuro;
        Scrivi(0, 2).testo = "Sort.";
        Scrivi(0, 3).testo = "Stor.";
        return;
    }
    ColonnaMin(r);
    ColonneEventi(r);
}

// Each number's delay per wheel, its smallest below 1000 and its sum. A single
// number's wheels without draws show 0 here and are kept out of the minimum,
// as the "--" wheels of a series are.
void TabellaRisultati::ColonneNumeri(const RisultatoAnalisi& r) {
    for (int i = 1; i <= n_; ++i) {
        std::int64_t minimo = kSogliaTutte;
        std::int64_t somma = 0;
        for (int w = 1; w <= kRuote; ++w) {
            std::int64_t v = r.RitNumeri[i - 1][w];
            Scrivi(w, i).testo = Valore(v);
            if (v == kSenzaDati) continue;
            somma += v;
            if (r.Singolo() && r.SenzaDati(w)) continue;
            if (v < minimo) {
                minimo = v;
                Scrivi(kRigaTutte, i).testo = std::to_string(v);
            }
        }
        Scrivi(kRigaSom, i).testo = std::to_string(somma);
    }
}

// The smallest delay among the series numbers on each wheel, when it is short.
void TabellaRisultati::ColonnaMin(const RisultatoAnalisi& r) {
    for (int w = 1; w <= kRuote; ++w) {
        std::optional<std::int64_t> minimo;
        for (const auto& ritardi : r.RitNumeri)
            if (ritardi[w] >= 0 && ritardi[w] <= kSogliaMin)
                minimo = std::min(minimo.value_or(ritardi[w]), ritardi[w]);
        if (minimo) Scrivi(w, n_ + 1).testo = std::to_string(*minimo);
    }
}

void TabellaRisultati::ColonneEventi(const RisultatoAnalisi& r) {
    const Evento* eventi[] = {&r.Ambo, &r.Terno, &r.Quaterna};
    for (int g = 0; g < 3; ++g) {
        int c = n_ + 2 + 3 * g;
        if (c >= colonne_) break;
        const Evento& e = *eventi[g];
        std::optional<std::int64_t> minimo;
        for (int w = 1; w <= kRuote; ++w) {
            Scrivi(w, c).testo = Valore(e.Rit[w]);
            Scrivi(w, c + 1).testo = Valore(e.Sort[w]);
            Scrivi(w, c + 2).testo = Valore(e.Stor[w]);
            if (e.Rit[w] != kSenzaDati) minimo = std::min(minimo.value_or(e.Rit[w]), e.Rit[w]);
        }
        Scrivi(kRigaSom, c + 1).testo = std::to_string(e.TotSort);
        Scrivi(kRigaTutte, c + 2).testo = std::to_string(e.Rit[kRuote + 1]);
        Scrivi(kRigaTutte, c).testo = std::to_string(minimo.value_or(kNessunaRuota));
    }
}

void TabellaRisultati::CaricaAmbata(const RisultatoAnalisi& r) {
    for (int c = n_ + 1; c < colonne_; ++c)
        for (int w = 1; w <= kRuote; ++w)
            Scrivi(w, c).testo = "0";
    for (int c = 1; c <= 3; ++c)
        Scrivi(kRigaTutte, c).sfondo = kRosa;
    const Evento& e = r.Ambata;
    for (int w = 1; w <= kRuote; ++w) {
        Scrivi(w, 1).testo = Valore(e.Rit[w]);
        Scrivi(w, 2).testo = Valore(e.Sort[w]);
        Scrivi(w, 3).testo = Valore(e.Stor[w]);
    }
    Scrivi(kRigaSom, 2).testo = std::to_string(e.TotSort);
    Scrivi(kRigaTutte, 3).testo = std::to_string(e.Rit[kRuote + 1]);
}

std::string TabellaRisultati::TestoAppunti() const {
    std::string testo;
    if (n_ == 1) return At(0, 0).testo + " - ";
    for (int i = 1; i <= n_; ++i)
        testo += At(0, i).testo + " - ";
    return testo;
}

std::string TabellaRisultati::TestoTabulato() const {
    std::string testo;
    for (int riga = 0; riga < kRighe; ++riga) {
        for (int c = 0; c < colonne_; ++c) {
            if (c > 0) testo += '\t';
            testo += At(riga, c).testo;
        }
        testo += '\n';
    }
    return testo;
}

std::string TitoloRicerca(const std::array<std::int16_t, 21>& SeriesNumbers,
                          const DrawRecord& inizio, const DrawRecord& fine) {
    std::string prefisso = SeriesNumbers[1] != 0 && SeriesNumbers[2] == 0
                               ? std::to_string(SeriesNumbers[1]) + "_"
                               : std::string("Serie_");
    return prefisso + "1" + "   Inizio: " + Data(inizio) + "   Fine: " + Data(fine) + "     ";
}

}  // namespace ruotario
