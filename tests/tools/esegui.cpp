#include "esegui.h"

#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <filesystem>

#include "support/archivio_prova.h"

namespace ruotario::prova {

Esito Shell(const std::string& riga) {
    const auto errori =
        std::filesystem::temp_directory_path() / ("ruotario-cli-err-" + std::to_string(::getpid()));
    Esito esito{-1, {}, {}};
    if (FILE* uscita = ::popen(("( " + riga + " ) 2>" + errori.string()).c_str(), "r")) {
        char blocco[65536];
        for (std::size_t letti; (letti = std::fread(blocco, 1, sizeof blocco, uscita)) > 0;)
            esito.uscita.append(blocco, letti);
        const int stato = ::pclose(uscita);
        esito.codice = WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
    }
    esito.errori = LeggiBytes(errori);
    std::filesystem::remove(errori);
    return esito;
}

Esito Cli(const std::string& argomenti) {
    return Shell("timeout 60 " + kCli + " " + argomenti);
}

}  // namespace ruotario::prova
