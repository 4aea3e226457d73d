#pragma once

#include <string>

namespace ruotario::prova {

struct Esito {
    int codice;
    std::string uscita;  // standard output
    std::string errori;  // standard error
};

// ruotario-cli itself, for command lines that name it.
inline const std::string kCli = RUOTARIO_CLI;

// Runs a shell command line (sh -c), its standard output and error captured.
Esito Shell(const std::string& riga);
// Runs ruotario-cli with the arguments (already quoted for the shell), stopped
// after a minute so a hang fails instead of blocking.
Esito Cli(const std::string& argomenti);

}  // namespace ruotario::prova
