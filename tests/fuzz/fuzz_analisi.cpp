// The delay analysis against a plain, step-by-step reading of its rules, on
// draws of any content: wheels missing, numbers repeated, out of range or
// negative. The first bytes pick a series of distinct numbers, the rest make
// the draws, one byte a number. Both must agree on every value, and the
// results grid must build.
#include <algorithm>

#include "analysis/analisi.h"
#include "analysis/tabella.h"
#include "fuzz/comune.h"

void ruotario::Prova(const std::string& byte) {
    const auto Byte = [&](std::size_t i) { return static_cast<std::uint8_t>(byte[i]); };
    std::vector<int> numeri;
    std::size_t i = 1;
    for (; i < byte.size() && numeri.size() <= Byte(0) % 20u; ++i)
        if (!std::ranges::count(numeri, Byte(i) % 90 + 1)) numeri.push_back(Byte(i) % 90 + 1);
    // Mostly real numbers, with empty slots, negatives and values past 90.
    std::vector<DrawRecord> d((byte.size() - std::min(i, byte.size())) / (kRuote * kPosizioni));
    for (std::size_t c = 0; c < d.size() * kRuote * kPosizioni; ++c)
        d[c / (kRuote * kPosizioni)].Cells[c % (kRuote * kPosizioni)] = Byte(i + c) % 96 - 2;
    if (d.empty()) return;
    const RisultatoAnalisi r = Analizza(d, numeri);
    Verifica(!TabellaRisultati(r).TestoTabulato().empty());
    const bool uno = numeri.size() == 1;
    const auto InSerie = [&](int v) { return std::ranges::count(numeri, v) > 0; };
    // Only wheels whose first slot is filled are drawn. The single number's
    // event is that it comes out once on the wheel; the series' ones, that at
    // least 2, 3 or 4 of its numbers do. A hit ends the wheel's run, and the
    // run of all wheels. A wheel never drawn has no values.
    std::array<bool, kRuote + 1> estratta{};
    const Evento* eventi[] = {uno ? &r.Ambata : &r.Ambo, &r.Terno, &r.Quaterna};
    for (int k = 0; k < (uno ? 1 : 3); ++k) {
        Evento a;
        for (const DrawRecord& e : d) {
            ++a.RitTutte;
            for (int w = 1; w <= kRuote; ++w) {
                const std::int16_t* ruota = &e.Cells[(w - 1) * kPosizioni];
                const auto usciti = std::count_if(ruota, ruota + kPosizioni, InSerie);
                const bool colpita = *ruota && (uno ? usciti == 1 : usciti >= k + 2);
                estratta[w] |= *ruota != 0;
                a.Rit[w] = colpita ? 0 : a.Rit[w] + (*ruota != 0);
                a.Stor[w] = std::max(a.Stor[w], a.Rit[w]);
                a.Sort[w] += colpita;
                a.TotSort += colpita;
                if (colpita) a.RitTutte = 0;
            }
            a.Rit[kRuote + 1] = std::max(a.Rit[kRuote + 1], a.RitTutte);
        }
        for (int w = 1; w <= kRuote; ++w)
            if (!estratta[w]) a.Rit[w] = a.Sort[w] = a.Stor[w] = kSenzaDati;
        const Evento& v = *eventi[k];
        Verifica(std::tie(v.Rit, v.Sort, v.Stor, v.RitTutte, v.TotSort) ==
                 std::tie(a.Rit, a.Sort, a.Stor, a.RitTutte, a.TotSort));
    }
    // A number's delay on a wheel, counted back from the last draw: a draw
    // counts when its slots hold no empty one up to the number, and the count
    // stops where the number stands before any empty slot. In series mode, a
    // wheel never drawn has none.
    for (std::size_t n = 0; n < numeri.size(); ++n)
        for (int w = 1; w <= kRuote; ++w) {
            std::int64_t rit = 0;
            for (auto k = d.size(); k-- > 0;) {
                const std::int16_t *ruota = &d[k].Numbers(1, w),
                                   *fine = std::find(ruota, ruota + 5, 0);
                if (std::find(ruota, fine, numeri[n]) != fine) break;
                rit += fine == ruota + kPosizioni;
            }
            Verifica(r.RitNumeri[n][w] == (!estratta[w] && !uno ? kSenzaDati : rit));
        }
}
