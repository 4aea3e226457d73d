// The analysis of 20 numbers over a full archive of 32,767 draws: as the
// program does it (one read, then memory), against a record-by-record program
// that reads each record with its own call into the shared buffer, and
// against the floor of reading the same records once and summing them.
#include <benchmark/benchmark.h>

#include "analisi_letterale.h"
#include "analysis/analisi.h"
#include "archivio_bench.h"
#include "store/draw_record.h"
#include "store/io.h"
#include "store/lotto_dat.h"
#include "store/module1.h"

namespace ruotario::bench {
namespace {

constexpr int kEstrazioni = 32767;

void BM_Analisi(benchmark::State& stato) {
    ArchivioBench archivio(kEstrazioni, 156);
    for (auto _ : stato) {
        auto risultato = AnalizzaArchivio(archivio.File(), 1, kEstrazioni, Venti());
        benchmark::DoNotOptimize(risultato.Ambo.TotSort);
    }
}
BENCHMARK(BM_Analisi)->Unit(benchmark::kMillisecond);

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
