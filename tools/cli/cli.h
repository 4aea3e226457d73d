#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ruotario::cli {

// A command line the tool cannot take: exit code 2 and a pointer to --help.
class ErroreUso : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One command of the tool: its subcommand for CLI11 and what it does once
// the line has been read and checked. Each command reads its own options.
struct Comando {
    CLI::App* riga;
    std::function<void()> esegui;
};

Comando Importa(CLI::App& programma);
Comando Aggiorna(CLI::App& programma);
Comando Esporta(CLI::App& programma);
Comando Conta(CLI::App& programma);
Comando Mostra(CLI::App& programma);
Comando Analizza(CLI::App& programma);
Comando Serie(CLI::App& programma);

// The help in Italian: CLI11's labels translated, the usage line written out
// with the arguments every command needs.
class Formato : public CLI::Formatter {
  public:
    Formato();
    std::string make_usage(const CLI::App* app, std::string nome) const override;
    std::string make_option_opts(const CLI::Option* opzione) const override;
    std::string make_option_usage(const CLI::Option* opzione) const override;
};

// A subcommand that collects what it is given; ControllaRiga judges it.
CLI::App* NuovoComando(CLI::App& programma, const std::string& nome,
                       const std::string& descrizione);
// `--nome VALORE`: CLI11 collects every occurrence, a missing value included.
CLI::Option* AggiungiOpzione(CLI::App& comando, const std::string& nome, const std::string& tipo,
                             const std::string& descrizione);
// `--nome` alone.
CLI::Option* AggiungiSegnale(CLI::App& comando, const std::string& nome,
                             const std::string& descrizione);
// A single argument `NOME`.
CLI::Option* AggiungiArgomento(CLI::App& comando, const std::string& nome,
                               const std::string& descrizione);
// `--archivio FILE`, shared by every command that reads the archive.
CLI::Option* AggiungiArchivio(CLI::App& comando);

// Refuses what CLI11 let through: unknown options, arguments in excess, an
// option given twice, without its value or with an empty one, a value after
// a flag.
void ControllaRiga(const CLI::App& comando);

// The value of a checked option, or nothing when it was not given.
std::optional<std::string> Valore(const CLI::Option* opzione);
// The folder of the executable, from which the data folder is chosen.
void ImpostaCartellaProgramma(const std::filesystem::path& cartella);
// The archive named by --archivio, or Lotto.dat in the data folder.
std::filesystem::path PercorsoArchivio(const CLI::Option* archivio);
// The series file named by --file, or Serie in the data folder.
std::filesystem::path PercorsoSerie(const CLI::Option* serie);

// A whole number from `minimo` to `massimo`, or ErroreUso:
// "<frase> tra <minimo> e <massimo>, non "<testo>"".
std::int64_t Numero(const std::string& testo, std::int64_t minimo, std::int64_t massimo,
                    const std::string& frase);
// "5,17,33" as a series of the series window, checked with its messages.
std::vector<int> NumeriSerie(const std::string& testo);

// "ruotario-cli: <testo>" on standard error.
void Avvisa(const std::string& testo);

// Standard output: every write and its flush checked, a failure thrown as an
// Errore saying why.
void Scrivi(const std::string& testo);
// The end of the output: closes it, so a failure left in the stream surfaces.
void ChiudiUscita();

}  // namespace ruotario::cli
