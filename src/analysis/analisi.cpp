#include "analysis/analisi.h"

#include <algorithm>
#include <string>

#include "store/lotto_dat.h"
#include "store/errore.h"
#include "store/numeri_serie.h"

namespace ruotario {
namespace {

void ControllaNumeriAnalisi(const std::vector<int>& numeri) {
    if (numeri.empty())
        throw Errore("La serie selezionata non contiene numeri da analizzare.", Gravita::Avviso);
    ControllaNumeri(numeri);
}

// The ten wheels side by side, padded to a whole number of vector lanes:
// lane w - 1 is wheel w, the padding lanes never hold a number.
constexpr std::size_t kCorsie = 16;
using Corsie = std::array<std::int32_t, kCorsie>;

// The forward scan's state and its steps, for the events of one mode: the
// ambata alone (N = 1), or ambo, terno and quaterna (N = 3); the other mode's
// events stay 0 throughout. Each step acts on all ten wheels at once: the
// wheels do not depend on each other within a draw, so this gives what the
// steps give wheel after wheel. 32 bits are ample for 32,767 draws.
template <std::size_t N>
class Scansione {
  public:
    explicit Scansione(RisultatoAnalisi& r) {
        if constexpr (N == 1)
            e_ = {&r.Ambata};
        else
            e_ = {&r.Ambo, &r.Terno, &r.Quaterna};
    }

    // Every draw of the range counts for the all-wheel delays.
    void InizioEstrazione() {
        for (std::int64_t& rit : tutte_)
            ++rit;
    }

    // A wheel with numbers in this draw counts it.
    void IncrementaRitardi(const Corsie& presente) {
        for (std::size_t i = 0; i < N; ++i)
            for (std::size_t c = 0; c < kCorsie; ++c)
                rit_[i][c] += presente[c];
    }

    // `Sum`: the series numbers among each wheel's five, 0 on a wheel without
    // numbers, where these steps then change nothing. A hit (single mode:
    // exactly one number; series mode: at least two, three, four) takes back
    // the hit draw's own increment before its delay counts as the longest,
    // then resets the delay; otherwise the longest delay becomes at least the
    // current one. Hits and not are told apart by value, not by branch: they
    // are as frequent as they are unpredictable.
    void AzzeraRitardi(const Corsie& Sum) {
        for (std::size_t i = 0; i < N; ++i) {
            const std::int32_t soglia = static_cast<std::int32_t>(i) + 2;
            std::int32_t colpite = 0;
            for (std::size_t c = 0; c < kCorsie; ++c) {
                std::int32_t h = N == 1 ? Sum[c] == 1 : Sum[c] >= soglia;
                stor_[i][c] = std::max(stor_[i][c], rit_[i][c] - h);
                rit_[i][c] &= h - 1;  // 0 after a hit, kept otherwise
                sort_[i][c] += h;
                stor_[i][c] = std::max(stor_[i][c], rit_[i][c]);
                colpite |= h;
            }
            colpita_[i] = colpite;
        }
    }

    // A hit on any wheel has reset the all-wheel delay within the draw; its
    // end compares it with the longest.
    void FineEstrazione() {
        for (std::size_t i = 0; i < N; ++i) {
            if (colpita_[i]) tutte_[i] = 0;
            lunghe_[i] = std::max(lunghe_[i], tutte_[i]);
        }
    }

    // The values go to the events; the hits over all wheels are their sum.
    void Chiudi() {
        for (std::size_t i = 0; i < N; ++i) {
            Evento& e = *e_[i];
            for (int w = 1; w <= kRuote; ++w) {
                e.Rit[w] = rit_[i][w - 1];
                e.Sort[w] = sort_[i][w - 1];
                e.Stor[w] = stor_[i][w - 1];
                e.TotSort += sort_[i][w - 1];
            }
            e.Rit[kRuote + 1] = lunghe_[i];
            e.RitTutte = tutte_[i];
        }
    }

  private:
    std::array<Evento*, N> e_;
    std::array<Corsie, N> rit_{}, sort_{}, stor_{};
    std::array<std::int32_t, N> colpita_{};  // a hit on some wheel in this draw
    std::array<std::int64_t, N> tutte_{};    // current all-wheel delay
    std::array<std::int64_t, N> lunghe_{};   // longest all-wheel delay
};

// The draws of the range as they lie in the file, 106 bytes each: the
// analysis reads the numbers where they are instead of copying every record.
class Blocco {
  public:
    Blocco(const char* dati, std::size_t quante) : dati_(dati), quante_(quante) {}

    std::size_t Quante() const { return quante_; }
    // Position p 1..5 of wheel w 1..10 in draw k (from 0), signed 16-bit little-endian.
    int Numero(std::size_t k, int p, int w) const {
        return DecodeInt16(dati_ + k * kDrawRecordSize + 6 + 2 * ((w - 1) * kPosizioni + (p - 1)));
    }

  private:
    const char* dati_;
    std::size_t quante_;
};

// Counted draws of wheel w, from the end of the range back, until the latest
// one in which n came out there. A draw whose wheel shows an empty position
// before n is reached does not count.
std::int64_t RitardoNumero(const Blocco& blocco, int n, int w) {
    std::int64_t ritardo = 0;
    for (std::size_t k = blocco.Quante(); k-- > 0;) {
        bool conta = true;
        for (int p = 1; p <= kPosizioni; ++p) {
            int v = blocco.Numero(k, p, w);
            if (v == 0) {
                conta = false;
                break;
            }
            if (v == n) return ritardo;
        }
        if (conta) ++ritardo;
    }
    return ritardo;
}

void SegnaAssenze(RisultatoAnalisi& r) {
    for (int w = 1; w <= kRuote; ++w) {
        if (r.Singolo()) {
            Evento& e = r.Ambata;
            if (e.Sort[w] == 0 && e.Rit[w] == 0) e.Rit[w] = e.Sort[w] = e.Stor[w] = kSenzaDati;
            continue;
        }
        if (r.Ambo.Rit[w] != 0 || r.Ambo.Sort[w] != 0) continue;
        for (Evento* e : {&r.Ambo, &r.Terno, &r.Quaterna})
            e->Rit[w] = e->Sort[w] = e->Stor[w] = kSenzaDati;
        for (auto& ritardi : r.RitNumeri)
            ritardi[w] = kSenzaDati;
    }
}

// Forward scan, per draw. `quante` says how many times each number stands in
// the series, so a wheel's Sum takes five look-ups.
template <std::size_t N, typename F>
void ScansioneAvanti(const Blocco& blocco, const std::array<int, 92>& quante, RisultatoAnalisi& r,
                     F& Passo) {
    Scansione<N> scansione(r);
    for (std::size_t k = 0; k < blocco.Quante(); ++k) {
        Passo();
        scansione.InizioEstrazione();
        Corsie presente{}, Sum{};
        for (int w = 1; w <= kRuote; ++w) {
            if (blocco.Numero(k, 1, w) == 0) continue;
            presente[w - 1] = 1;
            for (int p = 1; p <= kPosizioni; ++p) {
                // Anything outside 1..90 in a damaged archive lands on 0 or 91,
                // which match no number.
                auto v = std::min(static_cast<unsigned>(blocco.Numero(k, p, w)), 91u);
                Sum[w - 1] += quante[v];
            }
        }
        scansione.IncrementaRitardi(presente);
        scansione.AzzeraRitardi(Sum);
        scansione.FineEstrazione();
    }
    scansione.Chiudi();
}

RisultatoAnalisi AnalizzaBlocco(const Blocco& blocco, const std::vector<int>& numeri,
                                const Avanzamento& avanzamento) {
    ControllaNumeriAnalisi(numeri);
    RisultatoAnalisi r;
    r.Numeri = numeri;
    r.RitNumeri.resize(numeri.size());
    std::int64_t passo = 0;
    auto Passo = [&] {
        if (avanzamento) avanzamento(++passo);
    };

    // Backward scan, per number and wheel. A number standing twice in a
    // series is measured once: its delay does not double.
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        Passo();
        auto primo = std::find(numeri.begin(), numeri.end(), numeri[i]) - numeri.begin();
        if (static_cast<std::size_t>(primo) < i) {
            r.RitNumeri[i] = r.RitNumeri[primo];
            continue;
        }
        for (int w = 1; w <= kRuote; ++w)
            r.RitNumeri[i][w] = RitardoNumero(blocco, numeri[i], w);
    }

    std::array<int, 92> quante{};  // 0 and 91 stay 0
    for (int n : numeri)
        ++quante[n];

    if (r.Singolo())
        ScansioneAvanti<1>(blocco, quante, r, Passo);
    else
        ScansioneAvanti<3>(blocco, quante, r, Passo);
    SegnaAssenze(r);
    return r;
}

}  // namespace

std::vector<int> NumeriDellaSerie(const std::array<std::int16_t, 21>& SeriesNumbers) {
    auto n = std::count_if(SeriesNumbers.begin() + 1, SeriesNumbers.end(),
                           [](std::int16_t v) { return v != 0; });
    std::vector<int> numeri(SeriesNumbers.begin() + 1, SeriesNumbers.begin() + 1 + n);
    ControllaNumeriAnalisi(numeri);
    return numeri;
}

void ControllaIntervallo(std::int64_t da, std::int64_t a, std::int64_t conteggio) {
    if (conteggio < 1)
        throw Errore("L'archivio non contiene estrazioni da analizzare.", Gravita::Avviso);
    if (da < 1 || a > conteggio || da > a)
        throw Errore("Intervallo di estrazioni non valido: da " + std::to_string(da) + " a " +
                         std::to_string(a) + ", ammesso da 1 a " + std::to_string(conteggio) +
                         " con l'inizio non oltre la fine.",
                     Gravita::Avviso);
}

RisultatoAnalisi Analizza(const std::vector<DrawRecord>& estrazioni, const std::vector<int>& numeri,
                          const Avanzamento& avanzamento) {
    std::string dati(estrazioni.size() * kDrawRecordSize, '\0');
    for (std::size_t k = 0; k < estrazioni.size(); ++k)
        EncodeDraw(estrazioni[k], dati.data() + k * kDrawRecordSize);
    return AnalizzaBlocco(Blocco(dati.data(), estrazioni.size()), numeri, avanzamento);
}

RisultatoAnalisi AnalizzaArchivio(const std::filesystem::path& archivio, std::int64_t da,
                                  std::int64_t a, const std::vector<int>& numeri,
                                  const Avanzamento& avanzamento) {
    ControllaNumeriAnalisi(numeri);
    ControllaIntervallo(da, a, ContaArchivio(archivio));
    // The whole range with one read, the numbers read where they lie.
    const std::string dati = LeggiByte(archivio, da, a - da + 1);
    return AnalizzaBlocco(Blocco(dati.data(), static_cast<std::size_t>(a - da + 1)), numeri,
                          avanzamento);
}

}  // namespace ruotario
