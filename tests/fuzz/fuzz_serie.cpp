// A series file of any bytes and any length, listed as the series window
// lists it, and every listed entry parsed back as the analysis receives it;
// the same bytes also parsed as if they were an entry's text. A series of
// real numbers comes back exactly; nothing ever yields more than 20 numbers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "series/archivio_serie.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) __builtin_trap();
}

const std::filesystem::path& File() {
    static const std::filesystem::path file = [] {
        std::string modello =
            (std::filesystem::temp_directory_path() / "ruotario-fuzz-XXXXXX").string();
        if (!::mkdtemp(modello.data())) std::abort();
        return std::filesystem::path(modello) / "Serie";
    }();
    return file;
}

int Conta(const std::array<std::int16_t, ruotario::kMaxNumeriSerie + 1>& slot) {
    int quanti = 0;
    for (std::size_t i = 1; i < slot.size(); ++i)
        quanti += slot[i] != 0;
    return quanti;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    using namespace ruotario;
    std::string byte(reinterpret_cast<const char*>(dati), dimensione);
    std::ofstream(File(), std::ios::binary | std::ios::trunc).write(byte.data(), byte.size());

    auto serie = LeggiSerie(File());
    Verifica(serie.size() == dimensione / kSeriesRecordSize);
    auto voci = VociSerie(serie);
    Verifica(voci.size() == std::max<std::size_t>(serie.size(), 1));
    if (serie.empty()) Verifica(voci.front() == kSerieSegnaposto);
    for (std::size_t r = 0; r < serie.size(); ++r) {
        auto numeri = serie[r].Numeri();
        auto letti = NumeriDaVoce(voci[r]);
        bool reali = true;
        for (int n : numeri)
            reali = reali && n >= 1 && n <= 90;
        if (reali) {
            for (std::size_t k = 0; k < numeri.size(); ++k)
                Verifica(letti[k + 1] == numeri[k]);
            Verifica(Conta(letti) == static_cast<int>(numeri.size()));
        }
        Verifica(Conta(letti) <= kMaxNumeriSerie);
    }
    auto testo = NumeriDaVoce(byte);
    for (std::size_t i = 1; i < testo.size(); ++i)
        Verifica(testo[i] >= 0);
    return 0;
}
