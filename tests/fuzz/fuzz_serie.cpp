// A series file of any bytes and any length, listed as the series window
// lists it, and every listed entry parsed back as the analysis receives it;
// the same bytes also parsed as if they were an entry's text. A series of
// real numbers comes back exactly; nothing ever yields more than 20 numbers.
#include <algorithm>

#include "fuzz/comune.h"
#include "series/file_serie.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    using namespace ruotario;
    const std::string byte(reinterpret_cast<const char*>(dati), dimensione);
    const auto serie = LeggiSerie(Scrivi("Serie", byte));
    Verifica(serie.size() == dimensione / kSeriesRecordSize);
    const auto voci = VociSerie(serie);
    Verifica(serie.empty() ? voci == std::vector<std::string>{kSerieSegnaposto}
                           : voci.size() == serie.size());
    for (std::size_t r = 0; r < serie.size(); ++r) {
        const std::vector<int> numeri = serie[r].Numeri();
        const auto letti = NumeriDaVoce(voci[r]);
        // Slot 0 is unused; the numbers read stand from slot 1 on.
        const auto quanti = std::count_if(letti.begin() + 1, letti.end(), [](int n) { return n; });
        Verifica(quanti <= kMaxNumeriSerie);
        if (std::all_of(numeri.begin(), numeri.end(), [](int n) { return n >= 1 && n <= 90; }))
            Verifica(quanti == std::ssize(numeri) &&
                     std::equal(numeri.begin(), numeri.end(), letti.begin() + 1));
    }
    const auto testo = NumeriDaVoce(byte);
    Verifica(std::all_of(testo.begin() + 1, testo.end(), [](int n) { return n >= 0; }));
    return 0;
}
