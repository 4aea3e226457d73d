// The analysis of 20 numbers over a full archive of 32,767 draws: as the
// program does it (one read, then memory), against a record-by-record program
// that reads each record with its own call into the shared buffer, and
// against the floor of reading the same records once and summing them.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include <array>
#include <vector>

#include "analysis/analisi.h"
#include "archivio_bench.h"
#include "store/lotto_dat.h"
#include "store/draw_record.h"
#include "store/io.h"
#include "store/module1.h"

namespace ruotario::bench {
namespace {

constexpr int kEstrazioni = 32767;

const std::vector<int>& Venti() {
    static const std::vector<int> numeri = {3,  8,  14, 19, 22, 27, 31, 36, 40, 45,
                                            49, 53, 58, 62, 67, 71, 76, 80, 85, 89};
    return numeri;
}

void BM_Analisi(benchmark::State& stato) {
    ArchivioBench archivio(kEstrazioni, 156);
    for (auto _ : stato) {
        auto risultato = AnalizzaArchivio(archivio.File(), 1, kEstrazioni, Venti());
        benchmark::DoNotOptimize(risultato.Ambo.TotSort);
    }
}
BENCHMARK(BM_Analisi)->Unit(benchmark::kMillisecond);

// Record `indice` into CurrentDraw with one read call on the open file.
void LeggiNelBuffer(int fd, std::int64_t indice) {
    char record[kDrawRecordSize];
    if (::pread(fd, record, sizeof record, (indice - 1) * kDrawRecordSize) !=
        static_cast<ssize_t>(sizeof record))
        std::abort();
    Module1().CurrentDraw = DecodeDraw(record);
}

// The analysis step by step as a record-by-record program runs it: the
// backward scan re-reads the records of each number and wheel, the forward
// scan reads each draw and compares every series number with every position.
std::int64_t AnalisiLetterale(const std::filesystem::path& file, int inizio, int fine,
                              const std::vector<int>& numeri) {
    const int n = static_cast<int>(numeri.size());
    static std::array<std::array<double, kRuote + 1>, 91> RitNumeri;
    std::array<std::int64_t, kRuote + 2> Rit[3]{}, Sort[3]{}, Stor[3]{};
    std::int64_t Tutte[3]{}, TotSort[3]{};
    for (auto& riga : RitNumeri)
        riga.fill(0);
    DrawRecord& d = Module1().CurrentDraw;

    int fd = ::open(file.c_str(), O_RDONLY);
    for (int i = 0; i < n; ++i)
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
    }
    ::close(fd);
    return TotSort[0] + Stor[2][1] + static_cast<std::int64_t>(RitNumeri[numeri[0]][1]);
}

void BM_AnalisiLetterale(benchmark::State& stato) {
    ArchivioBench archivio(kEstrazioni, 156);
    for (auto _ : stato)
        benchmark::DoNotOptimize(AnalisiLetterale(archivio.File(), 1, kEstrazioni, Venti()));
}
BENCHMARK(BM_AnalisiLetterale)->Unit(benchmark::kMillisecond);

// The floor: the same records read once, every number summed.
void BM_Scansione(benchmark::State& stato) {
    ArchivioBench archivio(kEstrazioni, 156);
    for (auto _ : stato) {
        std::string dati =
            Io().Read(archivio.File(), 0, static_cast<std::size_t>(kEstrazioni) * kDrawRecordSize);
        std::int64_t somma = 0;
        for (std::size_t r = 0; r + kDrawRecordSize <= dati.size(); r += kDrawRecordSize)
            for (std::size_t i = 6; i < kDrawRecordSize; i += 2)
                somma +=
                    static_cast<std::int16_t>(static_cast<std::uint8_t>(dati[r + i]) |
                                              (static_cast<std::uint8_t>(dati[r + i + 1]) << 8));
        benchmark::DoNotOptimize(somma);
    }
}
BENCHMARK(BM_Scansione)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruotario::bench
