#pragma once

#include <string>

namespace ruotario::prova {

struct Esito {
    int codice;
    std::string uscita;  // standard output
    std::string errori;  // standard error
};

// Runs ruotario-cli with the arguments (already quoted for the shell).
Esito Cli(const std::string& argomenti);

}  // namespace ruotario::prova
