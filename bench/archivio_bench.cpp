#include "archivio_bench.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "store/cartella_dati.h"
#include "store/draw_record.h"
#include "store/io.h"
#include "store/module1.h"

namespace ruotario::bench {

ArchivioBench::ArchivioBench(int estrazioni, int perAnno) {
    std::string modello =
        (std::filesystem::temp_directory_path() / "ruotario-bench-XXXXXX").string();
    if (!::mkdtemp(modello.data())) throw std::runtime_error("mkdtemp");
    cartella_ = modello;
    file_ = cartella_ / "Lotto.dat";
    std::string dati;
    dati.reserve(static_cast<std::size_t>(estrazioni) * kDrawRecordSize);
    unsigned seme = 12345;
    for (int i = 0; i < estrazioni; ++i) {
        DrawRecord draw;
        int nellAnno = i % perAnno;
        draw.Year = static_cast<std::int16_t>(1871 + i / perAnno);
        draw.Month = static_cast<std::int16_t>(1 + nellAnno * 12 / perAnno);
        draw.Day = static_cast<std::int16_t>(1 + (nellAnno * 28 / ((perAnno + 11) / 12)) % 28);
        for (int w = 1; w <= kRuote; ++w) {
            bool usati[91] = {};
            for (int p = 1; p <= kPosizioni; ++p) {
                int n;
                do {
                    seme = seme * 1103515245u + 12345u;
                    n = static_cast<int>((seme >> 16) % 90) + 1;
                } while (usati[n]);
                usati[n] = true;
                draw.Numbers(p, w) = static_cast<std::int16_t>(n);
            }
        }
        dati += EncodeDraw(draw);
    }
    std::ofstream(file_, std::ios::binary)
        .write(dati.data(), static_cast<std::streamsize>(dati.size()));
    SetAppDir(cartella_);
    ResetModule1();
    CaricaRuote();
    (void)ContaEstrazioni();
}

ArchivioBench::~ArchivioBench() {
    SetAppDir({});
    std::error_code ignorato;
    std::filesystem::remove_all(cartella_, ignorato);
}

}  // namespace ruotario::bench
