#include "support/archivio_prova.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "store/cartella_dati.h"
#include "store/io.h"
#include "store/module1.h"

namespace ruotario::prova {

CartellaProva::CartellaProva() {
    std::string modello = (std::filesystem::temp_directory_path() / "ruotario-XXXXXX").string();
    if (!::mkdtemp(modello.data())) throw std::runtime_error("mkdtemp");
    cartella_ = modello;
    SetIo(nullptr);
    SetAppDir(cartella_);
    ResetModule1();
}

CartellaProva::~CartellaProva() {
    SetIo(nullptr);
    SetAppDir({});
    ResetModule1();
    std::error_code ignorato;
    std::filesystem::remove_all(cartella_, ignorato);
}

DrawRecord Estrazione(int giorno, int mese, int anno, int seme) {
    DrawRecord draw;
    draw.Day = static_cast<std::int16_t>(giorno);
    draw.Month = static_cast<std::int16_t>(mese);
    draw.Year = static_cast<std::int16_t>(anno);
    // Steps of 7 modulo 90 never repeat within fifty numbers.
    int base = (seme * 13) % 90;
    for (int i = 0; i < kRuote * kPosizioni; ++i)
        draw.Cells[i] = static_cast<std::int16_t>((base + i * 7) % 90 + 1);
    return draw;
}

DrawRecord EstrazioneVuota(int giorno, int mese, int anno) {
    DrawRecord draw;
    draw.Day = static_cast<std::int16_t>(giorno);
    draw.Month = static_cast<std::int16_t>(mese);
    draw.Year = static_cast<std::int16_t>(anno);
    return draw;
}

void Ruota(DrawRecord& draw, int w, std::initializer_list<int> numeri) {
    int p = 1;
    for (int n : numeri)
        draw.Numbers(p++, w) = static_cast<std::int16_t>(n);
}

void ScriviArchivio(const std::vector<DrawRecord>& draws, const std::filesystem::path& file) {
    std::string dati;
    for (const DrawRecord& draw : draws)
        dati += EncodeDraw(draw);
    ScriviBytes(file, dati);
}

void ScriviArchivio(const std::vector<DrawRecord>& draws) {
    ScriviArchivio(draws, LottoDatPath());
}

std::vector<DrawRecord> Settimanali(int quanti) {
    using namespace std::chrono;
    std::vector<DrawRecord> draws;
    sys_days giorno = sys_days{year{1871} / January / 7};
    for (int i = 0; i < quanti; ++i, giorno += days{7}) {
        year_month_day data{giorno};
        draws.push_back(Estrazione(static_cast<int>(unsigned(data.day())),
                                   static_cast<int>(unsigned(data.month())),
                                   static_cast<int>(data.year()), i));
    }
    return draws;
}

std::string LeggiBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ScriviBytes(const std::filesystem::path& file, const std::string& dati) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(dati.data(), static_cast<std::streamsize>(dati.size()));
    if (!out) throw std::runtime_error("scrittura di prova fallita: " + file.string());
}

}  // namespace ruotario::prova
