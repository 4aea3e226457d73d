// A draw pasted from the clipboard: whatever the text, the numbers taken are
// at most fifty, each the value of a run of digits of the text in the order
// they stand, and each cell either holds a drawable number or fails the check.
#include <cstddef>
#include <cstdint>
#include <string>

#include "archive/appunti.h"
#include "archive/celle.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    using namespace ruotario;
    std::string testo(reinterpret_cast<const char*>(dati), dimensione);
    auto numeri = NumeriDaTesto(testo);
    Verifica(numeri.size() <= kNumeriEstrazione);
    std::size_t posizione = 0;
    for (const std::string& numero : numeri) {
        Verifica(!numero.empty());
        Verifica(numero == "0" || numero.front() != '0');
        for (char c : numero)
            Verifica(c >= '0' && c <= '9');
        // The digits of the value appear in the text, after the previous number.
        auto trovato = testo.find(numero, posizione);
        Verifica(trovato != std::string::npos);
        posizione = trovato + numero.size();
        std::int64_t valore = ValoreCella(numero);
        Verifica(NumeroValido(numero) == (valore >= 1 && valore <= 90));
        Verifica(valore >= 0);
    }
    return 0;
}
