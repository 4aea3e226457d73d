#include "archive/superenalotto.h"

#include <algorithm>

namespace ruotario {
namespace {

// Bari, Firenze, Milano, Napoli, Palermo, Roma, and Venezia for the Jolly;
// Cagliari, Genova and Torino take no part.
constexpr std::array<int, 7> kRuoteSorgente = {1, 3, 5, 6, 7, 8, 10};

// No combination, and so no cell marked as the source of one.
void Incompleta(SuperEnalotto& super) {
    super.Incompleto = true;
    super.Rossi.clear();
    super.Sei.fill(" - ");
    super.Jolly = " - ";
}

}  // namespace

SuperEnalotto DerivaSuperEnalotto(const ValoriRuote& valori) {
    SuperEnalotto super;
    for (int w : kRuoteSorgente)
        if (valori[w - 1][0] <= 0) {
            Incompleta(super);
            return super;
        }

    for (std::size_t k = 0; k < kRuoteSorgente.size(); ++k) {
        const auto& ruota = valori[kRuoteSorgente[k] - 1];
        auto presa = [&](std::int64_t n) {
            return std::find(super.Scelte.begin(), super.Scelte.begin() + k, n) !=
                   super.Scelte.begin() + k;
        };
        // Along the wheel to the first number not taken; a wheel whose five are
        // all taken ends on the empty column after them, and nothing beyond.
        std::size_t p = 0;
        while (p < ruota.size() - 1 && presa(ruota[p]))
            ++p;
        if (p < ruota.size() - 1) {
            super.Scelte[k] = ruota[p];
            super.Rossi.emplace_back(kRuoteSorgente[k] + 1, static_cast<int>(p) + 1);
        } else {
            super.Scelte[k] = presa(ruota[p]) ? 0 : ruota[p];
        }
    }

    if (std::any_of(super.Scelte.begin(), super.Scelte.end(),
                    [](std::int64_t n) { return n < 1 || n > 90; })) {
        Incompleta(super);
        return super;
    }
    super.Incompleto = false;
    std::array<std::int64_t, 6> ordinati;
    std::copy_n(super.Scelte.begin(), 6, ordinati.begin());
    std::sort(ordinati.begin(), ordinati.end());
    for (std::size_t i = 0; i < ordinati.size(); ++i)
        super.Sei[i] = std::to_string(ordinati[i]);
    super.Jolly = std::to_string(super.Scelte[6]);
    return super;
}

}  // namespace ruotario
