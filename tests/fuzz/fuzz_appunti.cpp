// A draw pasted from the clipboard: whatever the text, the numbers taken are
// at most fifty, each the value of a run of digits of the text in the order
// they stand, and each cell either holds a drawable number or fails the check.
#include "archive/appunti.h"
#include "archive/celle.h"
#include "fuzz/comune.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    using namespace ruotario;
    const std::string testo(reinterpret_cast<const char*>(dati), dimensione);
    const auto numeri = NumeriDaTesto(testo);
    Verifica(numeri.size() <= kNumeriEstrazione);
    std::size_t posizione = 0;
    for (const std::string& numero : numeri) {
        Verifica(!numero.empty() && (numero == "0" || numero.front() != '0'));
        Verifica(numero.find_first_not_of("0123456789") == std::string::npos);
        // The digits of the value appear in the text, after the previous number.
        posizione = testo.find(numero, posizione);
        Verifica(posizione != std::string::npos);
        posizione += numero.size();
        const std::int64_t valore = ValoreCella(numero);
        Verifica(valore >= 0 && NumeroValido(numero) == (valore >= 1 && valore <= 90));
    }
    return 0;
}
