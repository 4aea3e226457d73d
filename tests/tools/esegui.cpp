#include "esegui.h"

#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>

#include "support/archivio_prova.h"

namespace ruotario::prova {

// The outputs go to files, read when the line is done.
Esito Shell(const std::string& riga) {
    const std::string file =
        std::filesystem::temp_directory_path() / ("ruotario-cli-" + std::to_string(::getpid()));
    const int stato =
        std::system(("( " + riga + " ) >" + file + ".out 2>" + file + ".err").c_str());
    Esito esito{WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, LeggiBytes(file + ".out"),
                LeggiBytes(file + ".err")};
    std::filesystem::remove(file + ".out"), std::filesystem::remove(file + ".err");
    return esito;
}

Esito Cli(const std::string& argomenti) {
    return Shell("timeout 60 " + kCli + " " + argomenti);
}

}  // namespace ruotario::prova
