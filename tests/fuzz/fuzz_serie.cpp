// A series file of any bytes and any length, listed as the series window
// lists it, and every listed entry parsed back as the analysis receives it.
// A series of real numbers comes back exactly; no entry ever yields more
// than 20 numbers.
#include <algorithm>

#include "fuzz/comune.h"
#include "series/file_serie.h"

void ruotario::Prova(const std::string& byte) {
    const auto serie = LeggiSerie(Scrivi("Serie", byte));
    Verifica(serie.size() == byte.size() / kSeriesRecordSize);
    const auto voci = VociSerie(serie);
    Verifica(serie.empty() ? voci == std::vector<std::string>{kSerieSegnaposto}
                           : voci.size() == serie.size());
    for (std::size_t r = 0; r < serie.size(); ++r) {
        const std::vector<int> numeri = serie[r].Numeri();
        // Slot 0 is unused; the numbers read stand from slot 1 on.
        const auto letti = NumeriDaVoce(voci[r]);
        const auto quanti = std::count_if(letti.begin() + 1, letti.end(), [](int n) { return n; });
        if (std::ranges::all_of(numeri, [](int n) { return n >= 1 && n <= 90; }))
            Verifica(quanti == std::ssize(numeri) &&
                     std::equal(numeri.begin(), numeri.end(), letti.begin() + 1));
    }
}
