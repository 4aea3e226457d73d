#include "store/cartella_dati.h"

#include <unistd.h>
#include <cerrno>
#include <cstdlib>

#include "store/blocco.h"
#include "store/errore.h"
#include "store/io.h"

namespace ruotario {
namespace {

std::filesystem::path cartella;

std::optional<std::string> Variabile(const char* nome) {
    const char* valore = std::getenv(nome);
    if (!valore || !*valore) return std::nullopt;
    return std::string(valore);
}

bool Scrivibile(const std::filesystem::path& dir) {
    return ::access(dir.c_str(), W_OK) == 0;
}

}  // namespace

Ambiente AmbienteDelProcesso(const std::filesystem::path& cartellaProgramma) {
    return {cartellaProgramma, Variabile("XDG_DATA_HOME"), Variabile("HOME")};
}

std::filesystem::path ArchivioInstallato(const std::filesystem::path& cartellaProgramma) {
    return cartellaProgramma.parent_path() / "share" / "ruotario" / "Lotto.dat";
}

std::filesystem::path CartellaDati(const Ambiente& ambiente) {
    // An installed program keeps to the user's folder even when it may write
    // beside itself (as root may): its own folder is the system's.
    std::error_code ignorato;
    const bool installato =
        std::filesystem::exists(ArchivioInstallato(ambiente.cartellaProgramma), ignorato);
    if (!installato && Scrivibile(ambiente.cartellaProgramma)) return ambiente.cartellaProgramma;
    // Only an absolute $XDG_DATA_HOME counts.
    if (ambiente.xdgDataHome && std::filesystem::path(*ambiente.xdgDataHome).is_absolute())
        return std::filesystem::path(*ambiente.xdgDataHome) / "ruotario";
    if (ambiente.home)
        return std::filesystem::path(*ambiente.home) / ".local" / "share" / "ruotario";
    throw Errore(
        "Impossibile trovare una cartella per l'archivio: la cartella del programma \"" +
        ambiente.cartellaProgramma.string() +
        "\" non è scrivibile e né XDG_DATA_HOME né HOME indicano la cartella dell'utente.");
}

void PreparaCartellaDati(const Ambiente& ambiente) {
    const std::filesystem::path dati = CartellaDati(ambiente);
    std::error_code errore;
    std::filesystem::create_directories(dati, errore);
    if (errore)
        throw Errore("Impossibile creare la cartella \"" + dati.string() +
                     "\": " + MotivoDiSistema(errore.value()) + ".");
    const std::filesystem::path archivio = dati / "Lotto.dat";
    const std::filesystem::path installato = ArchivioInstallato(ambiente.cartellaProgramma);
    if (dati != ambiente.cartellaProgramma && !Io().Size(archivio)) {
        if (auto dimensione = Io().Size(installato)) {
            BloccoCartella blocco(dati);
            // Another copy of the program may have made it meanwhile.
            if (!Io().Size(archivio))
                ReplaceWhole(archivio,
                             Io().Read(installato, 0, static_cast<std::size_t>(*dimensione)));
        }
    }
    SetAppDir(dati);
}

const std::filesystem::path& AppDir() {
    return cartella;
}
void SetAppDir(const std::filesystem::path& dir) {
    cartella = dir;
}
std::filesystem::path AppFile(const std::string& name) {
    return cartella.empty() ? std::filesystem::path(name) : cartella / name;
}

}  // namespace ruotario
