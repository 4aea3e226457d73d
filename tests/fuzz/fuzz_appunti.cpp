// A draw pasted from the clipboard: whatever the text, the numbers taken are
// at most fifty, each the value of a run of digits of the text in the order
// they stand, and each cell either holds a drawable number or fails the check.
#include "archive/appunti.h"
#include "archive/celle.h"
#include "fuzz/comune.h"

void ruotario::Prova(const std::string& testo) {
    const auto numeri = NumeriDaTesto(testo);
    Verifica(numeri.size() <= kNumeriEstrazione);
    std::size_t posizione = 0;
    for (const std::string& numero : numeri) {
        // Digits only, no leading zero, found in the text after the previous number.
        Verifica(!numero.empty() && (numero == "0" || numero.front() != '0') &&
                 numero.find_first_not_of("0123456789") == std::string::npos);
        posizione = testo.find(numero, posizione);
        Verifica(posizione != std::string::npos);
        posizione += numero.size();
        const std::int64_t valore = ValoreCella(numero);
        Verifica(valore >= 0 && NumeroValido(numero) == (valore >= 1 && valore <= 90));
    }
}
