// The official historical text, as the importer reads it: any input either
// gives draws that are sound and survive a trip back to text, or is refused
// with a message naming the file and the line.
#include "fuzz/comune.h"
#include "store/errore.h"
#include "store/storico.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    using namespace ruotario;
    try {
        const auto draws = ImportaStorico(
            {{"prova.txt", std::string(reinterpret_cast<const char*>(dati), dimensione)}});
        // Each slot empty or a drawable number, never twice on a wheel.
        for (const DrawRecord& draw : draws)
            for (int w = 1; w <= kRuote; ++w)
                for (int p = 1; p <= kPosizioni; ++p) {
                    const int n = draw.Numbers(p, w);
                    Verifica(n >= 0 && n <= 90);
                    for (int q = 1; q < p; ++q)
                        Verifica(n == 0 || draw.Numbers(q, w) != n);
                }
        Verifica(ImportaStorico({{"copia.txt", EsportaStorico(draws)}}) == draws);
    } catch (const Errore& errore) {
        Verifica(std::string(errore.what()).starts_with("Errore nel file \"prova.txt\", riga "));
    }
    return 0;
}
