#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace ruotario {

// How a failure is shown to the user: a stop icon for something that went
// wrong, an exclamation mark for a request that cannot be carried out.
enum class Gravita { Critico, Avviso };

// The one error type of the core. Its message is Italian and ready to be shown
// as it stands: what failed, on which file, and why.
class Errore : public std::runtime_error {
  public:
    explicit Errore(const std::string& messaggio, Gravita gravita = Gravita::Critico)
        : std::runtime_error(messaggio), gravita_(gravita) {}

    Gravita gravita() const { return gravita_; }

  private:
    Gravita gravita_;
};

// The system's reason for a failed call (an errno value), in Italian.
std::string MotivoDiSistema(int codice);

// "Impossibile <azione> il file "<nome>": <motivo>."
std::string MessaggioFile(const std::string& azione, const std::string& nome,
                          const std::string& motivo);

// A folder, FIFO or device where a data file should be.
std::string MessaggioNonFile(const std::string& nome, bool cartella);

// "Impossibile leggere la cartella "<nome>": <motivo>."
std::string MessaggioCartella(const std::string& nome, const std::string& motivo);

// "1 estrazione", "2 estrazioni": a count with its noun in the right number.
std::string Quantita(std::int64_t n, const std::string& singolare, const std::string& plurale);

}  // namespace ruotario
