#include "analisi_letterale.h"

#include <fcntl.h>
#include <unistd.h>
#include <array>
#include <cstdlib>

#include "store/draw_record.h"
#include "store/module1.h"

namespace ruotario::bench {

const std::vector<int>& Venti() {
    static const std::vector<int> numeri = {3,  8,  14, 19, 22, 27, 31, 36, 40, 45,
                                            49, 53, 58, 62, 67, 71, 76, 80, 85, 89};
    return numeri;
}

namespace {

// Record `indice` into CurrentDraw with one read call on the open file.
void LeggiNelBuffer(int fd, std::int64_t indice) {
    char record[kDrawRecordSize];
    if (::pread(fd, record, sizeof record, (indice - 1) * kDrawRecordSize) !=
        static_cast<ssize_t>(sizeof record))
        std::abort();
    Module1().CurrentDraw = DecodeDraw(record);
}

}  // namespace

std::int64_t AnalisiLetterale(const std::filesystem::path& file, int inizio, int fine,
                              const std::vector<int>& numeri, const std::function<void()>& passo) {
    const int n = static_cast<int>(numeri.size());
    static std::array<std::array<double, kRuote + 1>, 91> RitNumeri;
    std::array<std::int64_t, kRuote + 2> Rit[3]{}, Sort[3]{}, Stor[3]{};
    std::int64_t Tutte[3]{}, TotSort[3]{};
    for (auto& riga : RitNumeri)
        riga.fill(0);
    DrawRecord& d = Module1().CurrentDraw;

    int fd = ::open(file.c_str(), O_RDONLY);
    for (int i = 0; i < n; ++i) {
        for (int w = 1; w <= kRuote; ++w)
            for (std::int64_t k = fine; k >= inizio; --k) {
                LeggiNelBuffer(fd, k);
                bool conta = true, trovato = false;
                for (int p = 1; p <= kPosizioni && conta && !trovato; ++p) {
                    if (d.Numbers(p, w) == 0) conta = false;
                    if (d.Numbers(p, w) == numeri[i]) trovato = true;
                }
                if (trovato) break;
                if (conta) RitNumeri[numeri[i]][w] += 1;
            }
        if (passo) passo();
    }
    ::close(fd);

    fd = ::open(file.c_str(), O_RDONLY);
    for (std::int64_t k = inizio; k <= fine; ++k) {
        LeggiNelBuffer(fd, k);
        for (auto& t : Tutte)
            ++t;
        for (int w = 1; w <= kRuote; ++w) {
            if (d.Numbers(1, w) == 0) continue;
            int Sum = 0;
            for (int i = 0; i < n; ++i)
                for (int p = 1; p <= kPosizioni; ++p)
                    if (d.Numbers(p, w) == numeri[i]) ++Sum;
            for (int e = 0; e < 3; ++e) {
                ++Rit[e][w];
                if (Sum == 0 && Rit[e][w] > Stor[e][w]) Stor[e][w] = Rit[e][w] - 1;
                if (Sum >= e + 2) {
                    Tutte[e] = 0;
                    ++Sort[e][w];
                    if (Rit[e][w] > Stor[e][w]) Stor[e][w] = Rit[e][w] - 1;
                    Rit[e][w] = 0;
                    ++TotSort[e];
                }
                if (Rit[e][w] > Stor[e][w]) Stor[e][w] = Rit[e][w];
            }
        }
        for (int e = 0; e < 3; ++e)
            if (Tutte[e] >= Rit[e][kRuote + 1]) Rit[e][kRuote + 1] = Tutte[e];
        if (passo) passo();
    }
    ::close(fd);
    return TotSort[0] + Stor[2][1] + static_cast<std::int64_t>(RitNumeri[numeri[0]][1]);
}

}  // namespace ruotario::bench
