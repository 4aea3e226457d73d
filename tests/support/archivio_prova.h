#pragma once

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "store/cartella_dati.h"
#include "store/errore.h"
#include "store/io.h"
#include "store/module1.h"

namespace ruotario::prova {

// A fresh program folder for one test, in a temporary folder removed
// afterwards: the shared state starts clean, the real file system in use.
class CartellaProva {
  public:
    CartellaProva() {
        std::string modello = (std::filesystem::temp_directory_path() / "ruotario-XXXXXX").string();
        if (!::mkdtemp(modello.data())) throw std::runtime_error("mkdtemp");
        Usa(cartella_ = modello);
    }
    ~CartellaProva() {
        Usa({});
        std::filesystem::remove_all(cartella_, errore_);
    }
    CartellaProva(const CartellaProva&) = delete;
    const std::filesystem::path& path() const { return cartella_; }
    std::filesystem::path File(const std::string& nome) const { return cartella_ / nome; }

  private:
    static void Usa(const std::filesystem::path& cartella) {
        SetIo(nullptr);
        SetAppDir(cartella);
        ResetModule1();
    }
    std::filesystem::path cartella_;
    std::error_code errore_;
};

// A draw whose cell i holds (13 seme mod 90 + 7 i) mod 90 + 1: five distinct
// numbers on each wheel (steps of 7 modulo 90 never repeat within fifty).
inline DrawRecord Estrazione(int giorno, int mese, int anno, int seme = 0) {
    DrawRecord draw{std::int16_t(giorno), std::int16_t(mese), std::int16_t(anno)};
    for (int i = 0; i < kRuote * kPosizioni; ++i)
        draw.Cells[i] = static_cast<std::int16_t>((seme * 13 % 90 + i * 7) % 90 + 1);
    return draw;
}

// Sets the five numbers of wheel w.
inline void Ruota(DrawRecord& draw, int w, std::initializer_list<int> numeri) {
    int p = 1;
    for (int n : numeri)
        draw.Numbers(p++, w) = static_cast<std::int16_t>(n);
}

inline std::string LeggiBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void ScriviBytes(const std::filesystem::path& file, const std::string& dati) {
    if (!std::ofstream(file, std::ios::binary).write(dati.data(), std::streamsize(dati.size())))
        throw std::runtime_error("scrittura di prova fallita: " + file.string());
}

// The records, as the program's own format has them, straight to the file (by
// default the archive of the current program folder).
inline void ScriviArchivio(const std::vector<DrawRecord>& draws,
                           const std::filesystem::path& file = LottoDatPath()) {
    std::string dati;
    for (const DrawRecord& draw : draws)
        dati += EncodeDraw(draw);
    ScriviBytes(file, dati);
}

// `quanti` draws, one a week from Saturday 7 January 1871, draw i with seme i.
inline std::vector<DrawRecord> Settimanali(int quanti) {
    using namespace std::chrono;
    std::vector<DrawRecord> draws;
    for (int i = 0; i < quanti; ++i) {
        const year_month_day d{sys_days{year{1871} / January / 7} + days{7 * i}};
        draws.push_back(
            Estrazione(int(unsigned(d.day())), int(unsigned(d.month())), int(d.year()), i));
    }
    return draws;
}

// The message `azione` fails with, or "nessun errore".
template <typename Azione>
std::string Fallimento(Azione azione) try {
    azione();
    return "nessun errore";
} catch (const Errore& errore) {
    return errore.what();
}

}  // namespace ruotario::prova
