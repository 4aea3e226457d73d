#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "store/draw_record.h"
#include "store/errore.h"

namespace ruotario::prova {

// A fresh program folder for one test: the shared state starts clean, files go
// to a temporary folder that is removed afterwards, the real file system is in
// use.
class CartellaProva {
  public:
    CartellaProva();
    ~CartellaProva();
    CartellaProva(const CartellaProva&) = delete;
    CartellaProva& operator=(const CartellaProva&) = delete;

    const std::filesystem::path& path() const { return cartella_; }
    std::filesystem::path File(const std::string& nome) const { return cartella_ / nome; }

  private:
    std::filesystem::path cartella_;
};

// A draw on the given date whose wheels hold five distinct numbers each,
// different from draw to draw (`seme` picks the numbers).
DrawRecord Estrazione(int giorno, int mese, int anno, int seme = 0);
// A draw on the given date with every wheel empty (five 0).
DrawRecord EstrazioneVuota(int giorno, int mese, int anno);
// Sets the five numbers of wheel w.
void Ruota(DrawRecord& draw, int w, std::initializer_list<int> numeri);

// Writes the records straight to the file, record after record, as the
// program's own format has them.
void ScriviArchivio(const std::vector<DrawRecord>& draws, const std::filesystem::path& file);
// The archive of the current program folder.
void ScriviArchivio(const std::vector<DrawRecord>& draws);
// `quanti` draws, one a week from 7 January 1871.
std::vector<DrawRecord> Settimanali(int quanti);

std::string LeggiBytes(const std::filesystem::path& file);

// The message `azione` fails with, or "nessun errore".
template <typename Azione>
std::string Fallimento(Azione azione) {
    try {
        azione();
    } catch (const Errore& errore) {
        return errore.what();
    }
    return "nessun errore";
}
void ScriviBytes(const std::filesystem::path& file, const std::string& dati);

}  // namespace ruotario::prova
