// ruotario-cli: the archive from the command line, computed by the same core
// as the program's windows.
#include <iostream>
#include <map>

#include "cli.h"
#include "store/errore.h"
#include "store/io.h"

namespace {

using ruotario::cli::Argomenti;
using Comando = int (*)(Argomenti);

// One command per line.
// clang-format off
const std::map<std::string, Comando> kComandi = {
    {"importa", ruotario::cli::Importa},
    {"esporta", ruotario::cli::Esporta},
    {"conta", ruotario::cli::Conta},
    {"mostra", ruotario::cli::Mostra},
    {"analizza", ruotario::cli::AnalizzaSerie},
    {"serie", ruotario::cli::ElencoSerie},
};
// clang-format on

constexpr const char* kUso =
    "Uso: ruotario-cli COMANDO [OPZIONI]\n"
    "  importa [--sovrascrivi] [--archivio FILE] STORICO...\n"
    "  esporta [--archivio FILE]\n"
    "  conta [--archivio FILE]\n"
    "  mostra N [--archivio FILE]\n"
    "  analizza --serie N,N,... [--da N] [--a M] [--archivio FILE]\n"
    "  serie [--file FILE]\n"
    "L'archivio predefinito è Lotto.dat nella cartella del programma.\n";

// The folder of this executable, where the program keeps Lotto.dat.
std::filesystem::path CartellaProgramma(const char* argv0) {
    std::error_code errore;
    auto eseguibile = std::filesystem::read_symlink("/proc/self/exe", errore);
    if (errore) eseguibile = std::filesystem::absolute(argv0, errore);
    return eseguibile.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
    ruotario::SetAppDir(CartellaProgramma(argv[0]));
    if (argc < 2) {
        std::cerr << kUso;
        return 2;
    }
    auto comando = kComandi.find(argv[1]);
    if (comando == kComandi.end()) {
        std::cerr << "ruotario-cli: comando sconosciuto \"" << argv[1] << "\"\n" << kUso;
        return 2;
    }
    try {
        return comando->second(Argomenti({argv + 2, argv + argc}));
    } catch (const ruotario::cli::ErroreUso& errore) {
        std::cerr << "ruotario-cli: " << errore.what() << "\n" << kUso;
        return 2;
    } catch (const ruotario::Errore& errore) {
        std::cerr << "ruotario-cli: " << errore.what() << '\n';
        return 1;
    }
}
