// The official historical text, as the importer reads it: any input either
// gives draws that are sound and survive a trip back to text, or is refused
// with a message naming the file and the line.
#include <cstddef>
#include <cstdint>
#include <string>

#include "store/errore.h"
#include "store/storico.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    using namespace ruotario;
    std::string testo(reinterpret_cast<const char*>(dati), dimensione);
    try {
        auto draws = ImportaStorico({{"prova.txt", testo}});
        for (const DrawRecord& draw : draws)
            for (int w = 1; w <= kRuote; ++w)
                for (int p = 1; p <= kPosizioni; ++p) {
                    int n = draw.Numbers(p, w);
                    Verifica(n == 0 || (n >= 1 && n <= 90));
                    for (int q = 1; q < p; ++q)
                        Verifica(n == 0 || draw.Numbers(q, w) != n);
                }
        Verifica(ImportaStorico({{"copia.txt", EsportaStorico(draws)}}) == draws);
    } catch (const Errore& errore) {
        Verifica(std::string(errore.what()).rfind("Errore nel file \"prova.txt\", riga ", 0) == 0);
    }
    return 0;
}
