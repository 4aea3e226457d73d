#include "archive/inserimento.h"

#include "archive/celle.h"
#include "store/calendario.h"

namespace ruotario {
namespace {

constexpr int kPrimaRiga = 2;
constexpr int kUltimaRiga = 11;
constexpr int kColonnaDopoIlQuinto = 6;

bool MeseEAnno(const Data& d) {
    return d.mese >= 1 && d.mese <= 12 && d.anno >= 1 && d.anno <= 32767;
}

int Parte(const std::string& testo) {
    const std::int64_t valore = ValoreCella(testo);
    return valore < 0 || valore > 99999 ? -1 : static_cast<int>(valore);
}

}  // namespace

Data DataProposta(const std::optional<DrawRecord>& ultima, const Data& oggi) {
    if (ultima && DataValida(ultima->Day, ultima->Month, ultima->Year))
        return {ultima->Day, ultima->Month, ultima->Year};
    return oggi;
}

std::vector<std::string> AnniProposti(int anno) {
    std::vector<std::string> anni;
    for (int i = 0; i <= 10; ++i)
        anni.push_back(std::to_string(anno + i));
    return anni;
}

Data DataDiTesto(const std::string& testo) {
    const std::size_t prima = testo.find('/');
    const std::size_t seconda = prima == std::string::npos ? prima : testo.find('/', prima + 1);
    if (seconda == std::string::npos || testo.find('/', seconda + 1) != std::string::npos)
        return {};
    return {Parte(testo.substr(0, prima)), Parte(testo.substr(prima + 1, seconda - prima - 1)),
            Parte(testo.substr(seconda + 1))};
}

std::optional<int> GiorniDelMese(const std::string& testo) {
    const Data d = DataDiTesto(testo);
    if (!MeseEAnno(d)) return std::nullopt;
    return UltimoGiorno(d.mese, d.anno);
}

std::optional<std::string> CellaGiornoDi(const std::string& testo) {
    const Data d = DataDiTesto(testo);
    if (!MeseEAnno(d) || !DataValida(d.giorno, d.mese, d.anno)) return std::nullopt;
    return CellaGiorno(d.giorno, d.mese, d.anno);
}

std::optional<std::pair<int, int>> CellaDopo(int riga, int colonna) {
    if (colonna != kColonnaDopoIlQuinto) return std::nullopt;
    return std::pair{riga == kUltimaRiga ? kPrimaRiga : riga + 1, 1};
}

bool Digitazione::Digita(char carattere) {
    if (carattere < '0' || carattere > '9' || conteggio_ >= 2) return false;
    cifre_[conteggio_++] = carattere;
    return true;
}

}  // namespace ruotario
