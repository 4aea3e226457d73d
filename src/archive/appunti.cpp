#include "archive/appunti.h"

namespace ruotario {
namespace {

bool Cifra(char c) {
    return c >= '0' && c <= '9';
}

// The run's value as text: without its leading zeros, "0" for zeros alone.
std::string Valore(std::string_view cifre) {
    std::size_t primo = cifre.find_first_not_of('0');
    return primo == std::string_view::npos ? "0" : std::string(cifre.substr(primo));
}

}  // namespace

std::vector<std::string> NumeriDaTesto(std::string_view testo) {
    std::vector<std::string> numeri;
    std::size_t i = 0;
    while (numeri.size() < kNumeriEstrazione) {
        while (i < testo.size() && !Cifra(testo[i]))
            ++i;
        if (i == testo.size()) break;
        std::size_t inizio = i;
        while (i < testo.size() && Cifra(testo[i]))
            ++i;
        numeri.push_back(Valore(testo.substr(inizio, i - inizio)));
    }
    return numeri;
}

}  // namespace ruotario
