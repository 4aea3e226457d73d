#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/archivio_prova.h"

namespace ruotario::prova {

struct Esito {
    int codice;
    std::string uscita;  // standard output
    std::string errori;  // standard error
};

// Runs a shell command line (sh -c), its standard output and error captured
// in files read when the line is done.
inline Esito Shell(const std::string& riga) {
    const std::string file =
        std::filesystem::temp_directory_path() / ("ruotario-cli-" + std::to_string(::getpid()));
    const int stato =
        std::system(("( " + riga + " ) >" + file + ".out 2>" + file + ".err").c_str());
    Esito esito{WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, LeggiBytes(file + ".out"),
                LeggiBytes(file + ".err")};
    std::filesystem::remove(file + ".out"), std::filesystem::remove(file + ".err");
    return esito;
}

// Runs ruotario-cli with the arguments (already quoted for the shell), stopped
// after a minute so a hang fails instead of blocking.
inline Esito Cli(const std::string& argomenti) {
    return Shell("timeout 60 " RUOTARIO_CLI " " + argomenti);
}

}  // namespace ruotario::prova
