#include "archive/celle.h"

#include <limits>

namespace ruotario {

std::int64_t ValoreCella(std::string_view testo) {
    std::size_t i = 0;
    while (i < testo.size() && testo[i] == ' ')
        ++i;
    bool negativo = false;
    if (i < testo.size() && (testo[i] == '-' || testo[i] == '+')) negativo = testo[i++] == '-';
    constexpr std::int64_t kMassimo = std::numeric_limits<std::int64_t>::max();
    std::int64_t valore = 0;
    for (; i < testo.size() && testo[i] >= '0' && testo[i] <= '9'; ++i) {
        int cifra = testo[i] - '0';
        valore = valore > (kMassimo - cifra) / 10 ? kMassimo : valore * 10 + cifra;
    }
    return negativo ? -valore : valore;
}

bool NumeroValido(std::string_view testo) {
    if (testo.empty()) return false;
    std::int64_t valore = ValoreCella(testo);
    return valore >= 1 && valore <= 90;
}

ValoriRuote ValoriDi(const CelleRuote& celle) {
    ValoriRuote valori{};
    for (std::size_t w = 0; w < celle.size(); ++w)
        for (std::size_t p = 0; p < celle[w].size(); ++p)
            valori[w][p] = ValoreCella(celle[w][p]);
    return valori;
}

}  // namespace ruotario
