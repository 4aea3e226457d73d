// The delay analysis against a plain, step-by-step reading of its rules, on
// draws of any content: wheels missing, numbers repeated, out of range or
// negative. The first bytes pick a series of distinct numbers, the rest make
// the draws, one byte a number. Both must agree on every value, and the
// results grid must build.
#include <algorithm>

#include "analysis/analisi.h"
#include "analysis/tabella.h"
#include "fuzz/comune.h"

namespace ruotario {
namespace {

// The single number's event, or the series' ambo, terno and quaterna.
std::vector<Evento*> Eventi(RisultatoAnalisi& r) {
    if (r.Singolo()) return {&r.Ambata};
    return {&r.Ambo, &r.Terno, &r.Quaterna};
}

RisultatoAnalisi Atteso(const std::vector<DrawRecord>& d, const std::vector<int>& numeri) {
    RisultatoAnalisi r;
    r.Numeri = numeri;
    r.RitNumeri.resize(numeri.size());
    // A number's delay on a wheel, counted back from the last draw: a draw
    // counts when the wheel's slots up to the number hold no empty one, and
    // the count stops where the number stands before any empty slot.
    for (std::size_t i = 0; i < numeri.size(); ++i)
        for (int w = 1; w <= kRuote; ++w)
            for (auto k = d.size(); k-- > 0;) {
                const std::int16_t* ruota = &d[k].Cells[(w - 1) * kPosizioni];
                const std::int16_t* p = std::find_if(
                    ruota, ruota + kPosizioni, [&](int n) { return n == 0 || n == numeri[i]; });
                if (p < ruota + kPosizioni && *p != 0) break;
                r.RitNumeri[i][w] += p == ruota + kPosizioni;
            }
    // Only wheels whose first slot is filled are drawn. The single number's
    // event is that it comes out once on the wheel; the series' ones, that at
    // least 2, 3 or 4 of its numbers do. A hit ends the run without counting
    // the hit draw itself.
    const std::vector<Evento*> eventi = Eventi(r);
    for (const DrawRecord& e : d) {
        for (std::size_t k = 0; k < eventi.size(); ++k) {
            Evento& v = *eventi[k];
            ++v.RitTutte;
            for (int w = 1; w <= kRuote; ++w) {
                const std::int16_t* ruota = &e.Cells[(w - 1) * kPosizioni];
                if (ruota[0] == 0) continue;
                std::ptrdiff_t usciti = 0;
                for (int n : numeri)
                    usciti += std::count(ruota, ruota + kPosizioni, n);
                ++v.Rit[w];
                if (r.Singolo() ? usciti == 1 : usciti >= static_cast<int>(k) + 2) {
                    v.Stor[w] = std::max(v.Stor[w], v.Rit[w] - 1);
                    v.Rit[w] = v.RitTutte = 0;
                    ++v.Sort[w];
                    ++v.TotSort;
                }
                v.Stor[w] = std::max(v.Stor[w], v.Rit[w]);
            }
            v.Rit[kRuote + 1] = std::max(v.Rit[kRuote + 1], v.RitTutte);
        }
    }
    // A wheel never drawn has no values; in series mode, no delays either.
    for (int w = 1; w <= kRuote; ++w) {
        if (eventi[0]->Rit[w] != 0 || eventi[0]->Sort[w] != 0) continue;
        for (Evento* v : eventi)
            v->Rit[w] = v->Sort[w] = v->Stor[w] = kSenzaDati;
        for (auto& ritardi : r.RitNumeri)
            if (!r.Singolo()) ritardi[w] = kSenzaDati;
    }
    return r;
}

}  // namespace
}  // namespace ruotario

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    using namespace ruotario;
    std::vector<int> numeri;
    std::size_t i = 1;
    for (; i < dimensione && numeri.size() <= dati[0] % 20u; ++i)
        if (std::find(numeri.begin(), numeri.end(), dati[i] % 90 + 1) == numeri.end())
            numeri.push_back(dati[i] % 90 + 1);
    // Mostly real numbers, with empty slots, negatives and values past 90.
    std::vector<DrawRecord> draws;
    for (; i + kRuote * kPosizioni <= dimensione; i += kRuote * kPosizioni)
        std::transform(dati + i, dati + i + kRuote * kPosizioni, draws.emplace_back().Cells.begin(),
                       [](std::uint8_t b) { return static_cast<std::int16_t>(b % 96 - 2); });
    if (draws.empty()) return 0;

    RisultatoAnalisi risultato = Analizza(draws, numeri), atteso = Atteso(draws, numeri);
    Verifica(risultato.Numeri == numeri && risultato.RitNumeri == atteso.RitNumeri);
    for (std::size_t k = 0; k < Eventi(atteso).size(); ++k) {
        const Evento &a = *Eventi(atteso)[k], &b = *Eventi(risultato)[k];
        Verifica(a.Rit == b.Rit && a.Sort == b.Sort && a.Stor == b.Stor &&
                 a.RitTutte == b.RitTutte && a.TotSort == b.TotSort);
    }
    Verifica(TabellaRisultati(risultato).Colonne() == ColonneGriglia(std::ssize(numeri)));
    return 0;
}
