// ruotario-cli: the archive from the command line, computed by the same core
// as the program's windows.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <new>

#include "cli.h"
#include "store/errore.h"
#include "store/io.h"

namespace {

using namespace ruotario::cli;

const std::string kNome = "ruotario-cli";

// The folder of this executable, where the program keeps Lotto.dat.
std::filesystem::path CartellaProgramma(const char* argv0) {
    std::error_code errore;
    auto eseguibile = std::filesystem::read_symlink("/proc/self/exe", errore);
    if (errore) eseguibile = std::filesystem::absolute(argv0, errore);
    return eseguibile.parent_path();
}

void Programma(CLI::App& programma) {
    programma.formatter(std::make_shared<Formato>());
    programma.allow_extras();
    programma.require_subcommand(0, 1);
    // Every option of every command, the help flags included, under one heading.
    programma.option_defaults()->group("Opzioni");
    programma.set_help_flag("-h,--help", "Mostra questo aiuto ed esce");
    programma.set_version_flag("--version", kNome + " " + RUOTARIO_VERSIONE,
                               "Mostra la versione ed esce");
}

// Reads the line and runs the command it names.
void Esegui(CLI::App& programma, const std::vector<Comando>& comandi, int argc, char** argv) {
    try {
        programma.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        Scrivi(programma.help());
        return;
    } catch (const CLI::CallForVersion& versione) {
        Scrivi(std::string(versione.what()) + "\n");
        return;
    } catch (const CLI::ParseError&) {
        throw ErroreUso("riga di comando non valida");
    }
    for (const std::string& resto : programma.remaining()) {
        if (resto.size() > 1 && resto[0] == '-')
            throw ErroreUso("opzione sconosciuta \"" + resto + "\"");
        throw ErroreUso("comando sconosciuto \"" + resto + "\"");
    }
    for (const Comando& comando : comandi)
        if (comando.riga->parsed()) {
            ControllaRiga(*comando.riga);
            comando.esegui();
            return;
        }
    throw ErroreUso("indicare un comando");
}

// "ruotario-cli mostra --help" for the command being read, else the tool's.
std::string Aiuto(const CLI::App& programma) {
    const auto scelti = programma.get_subcommands();
    return kNome + (scelti.empty() ? "" : " " + scelti.front()->get_name()) + " --help";
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that goes away is a write error reported like any other.
    std::signal(SIGPIPE, SIG_IGN);
    CLI::App programma(
        "Ruotario dalla riga di comando: l'archivio delle estrazioni del Lotto e le serie, "
        "con gli stessi calcoli delle finestre del programma.",
        kNome);
    try {
        ImpostaCartellaProgramma(CartellaProgramma(argv[0]));
        Programma(programma);
        const std::vector<Comando> comandi = {
            Importa(programma), Aggiorna(programma), Esporta(programma), Conta(programma),
            Mostra(programma),  Analizza(programma), Serie(programma),
        };
        // Set after the commands, which would otherwise repeat it under their own help.
        programma.footer(
            "Senza --archivio i comandi usano Lotto.dat nella cartella dei dati: quella del\n"
            "programma se è una sua copia a sé, altrimenti ~/.local/share/ruotario.\n"
            "L'aiuto di ogni comando: " +
            kNome + " COMANDO --help");
        Esegui(programma, comandi, argc, argv);
        ChiudiUscita();
        return 0;
    } catch (const ErroreUso& errore) {
        Avvisa(std::string(errore.what()) + "\nPer l'aiuto: " + Aiuto(programma));
        return 2;
    } catch (const ruotario::Errore& errore) {
        Avvisa(errore.what());
    } catch (const std::bad_alloc&) {
        Avvisa("errore imprevisto: memoria esaurita");
    } catch (const std::system_error& errore) {
        Avvisa("errore imprevisto: " + ruotario::MotivoDiSistema(errore.code().value()));
    } catch (...) {
        Avvisa("errore imprevisto: l'operazione si è interrotta");
    }
    return 1;
}
