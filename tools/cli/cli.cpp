#include "cli.h"

#include <algorithm>
#include <charconv>

#include "store/module1.h"

namespace ruotario::cli {

bool Argomenti::Segnale(const std::string& nome) {
    auto trovato = std::find(valori_.begin(), valori_.end(), nome);
    if (trovato == valori_.end()) return false;
    valori_.erase(trovato);
    return true;
}

std::string Argomenti::Opzione(const std::string& nome, const std::string& predefinito) {
    auto trovato = std::find(valori_.begin(), valori_.end(), nome);
    if (trovato == valori_.end()) return predefinito;
    if (trovato + 1 == valori_.end()) throw ErroreUso("manca il valore dopo " + nome);
    std::string valore = *(trovato + 1);
    valori_.erase(trovato, trovato + 2);
    return valore;
}

std::vector<std::string> Argomenti::Restanti() const {
    for (const std::string& valore : valori_)
        if (valore.size() > 2 && valore.rfind("--", 0) == 0)
            throw ErroreUso("opzione sconosciuta " + valore);
    return valori_;
}

std::filesystem::path PercorsoArchivio(Argomenti& argomenti) {
    std::string file = argomenti.Opzione("--archivio");
    return file.empty() ? ArchivioPath() : std::filesystem::path(file);
}

long Numero(const std::string& testo, long minimo, long massimo, const std::string& cosa) {
    long valore = 0;
    auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (errore != std::errc() || fine != testo.data() + testo.size() || valore < minimo ||
        valore > massimo)
        throw ErroreUso(cosa + " non valido: \"" + testo + "\" (ammesso da " +
                        std::to_string(minimo) + " a " + std::to_string(massimo) + ")");
    return valore;
}

}  // namespace ruotario::cli
