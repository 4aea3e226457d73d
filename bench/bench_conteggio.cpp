// Counting the archive at start-up and after every save: from the file size,
// against reading every record until the end as a record-by-record program does.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include "archivio_bench.h"
#include "store/draw_record.h"
#include "store/module1.h"

namespace ruotario::bench {
namespace {

void BM_ContaEstrazioni(benchmark::State& stato) {
    ArchivioBench archivio(32767, 156);
    for (auto _ : stato) {
        (void)ContaEstrazioni();
        benchmark::DoNotOptimize(Module1().DrawCount);
    }
}
BENCHMARK(BM_ContaEstrazioni);

void BM_ContaEstrazioniLetterale(benchmark::State& stato) {
    ArchivioBench archivio(32767, 156);
    char record[kDrawRecordSize];
    for (auto _ : stato) {
        int fd = ::open(archivio.File().c_str(), O_RDONLY);
        int conteggio = 0;
        while (::read(fd, record, sizeof record) == static_cast<ssize_t>(sizeof record))
            ++conteggio;
        ::close(fd);
        benchmark::DoNotOptimize(conteggio);
    }
}
BENCHMARK(BM_ContaEstrazioniLetterale);

}  // namespace
}  // namespace ruotario::bench
