#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace ruotario::cli {

// A command line the tool cannot take: shown with the usage, exit code 2.
class ErroreUso : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The arguments after the command name, consumed as the command reads them.
class Argomenti {
  public:
    explicit Argomenti(std::vector<std::string> valori) : valori_(std::move(valori)) {}

    // Removes `--nome` and says whether it was there.
    bool Segnale(const std::string& nome);
    // Removes `--nome VALORE` and returns VALORE, or `predefinito` when absent.
    std::string Opzione(const std::string& nome, const std::string& predefinito = {});
    // What is left; an unknown option among it is refused.
    std::vector<std::string> Restanti() const;

  private:
    std::vector<std::string> valori_;
};

// --archivio FILE, or Lotto.dat in the program's folder.
std::filesystem::path PercorsoArchivio(Argomenti& argomenti);
// A whole number in [minimo, massimo], or ErroreUso naming `cosa`.
long Numero(const std::string& testo, long minimo, long massimo, const std::string& cosa);

int Importa(Argomenti argomenti);
int Esporta(Argomenti argomenti);
int Conta(Argomenti argomenti);
int Mostra(Argomenti argomenti);
int AnalizzaSerie(Argomenti argomenti);
int ElencoSerie(Argomenti argomenti);

}  // namespace ruotario::cli
