#include "store/numeri_serie.h"

#include <algorithm>
#include <string>

#include "store/errore.h"

namespace ruotario {

void ControllaNumeri(const std::vector<int>& numeri) {
    if (numeri.size() > static_cast<std::size_t>(kMaxNumeriSerie))
        throw Errore(kMsgTroppiNumeri, Gravita::Avviso);
    for (int n : numeri)
        if (n < 1 || n > 90)
            throw Errore("Serie non valida: il numero " + std::to_string(n) +
                             " è fuori dall'intervallo 1-90.",
                         Gravita::Avviso);
}

void ControllaSerie(const std::vector<int>& numeri) {
    if (numeri.empty()) throw Errore(kMsgSerieVuota, Gravita::Avviso);
    ControllaNumeri(numeri);
    for (auto n = numeri.begin(); n != numeri.end(); ++n)
        if (std::find(numeri.begin(), n, *n) != n)
            throw Errore(
                "Serie non valida: il numero " + std::to_string(*n) + " compare più di una volta.",
                Gravita::Avviso);
}

}  // namespace ruotario
