// One display of the archive window without painting, as the thumb of the
// scroll bar is dragged: read the draw, number it within its month and year,
// derive the Super Enalotto. Against a record-by-record program that opens,
// reads and closes the file once for every record it looks at.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include "archive/celle.h"
#include "archive/superenalotto.h"
#include "archive/vista.h"
#include "archivio_bench.h"
#include "store/draw_record.h"
#include "store/module1.h"

namespace ruotario::bench {
namespace {

constexpr int kEstrazioni = 32767;
constexpr int kPerAnno = 156;
// The last draw of the last whole year: the yearly walk is as long as it gets.
constexpr int kRecord = (kEstrazioni / kPerAnno) * kPerAnno;

void BM_Visualizza(benchmark::State& stato) {
    ArchivioBench archivio(kEstrazioni, kPerAnno);
    for (auto _ : stato) {
        Module1().CurrentDrawIndex = kRecord;
        LeggiEstrazione();
        VistaEstrazione vista = VistaDi(Module1().CurrentDraw);
        SuperEnalotto super = DerivaSuperEnalotto(ValoriDi(vista.Numeri));
        Numerazione numeri = NumeraEstrazione(LottoDatPath(), kRecord);
        benchmark::DoNotOptimize(super);
        benchmark::DoNotOptimize(numeri);
    }
}
BENCHMARK(BM_Visualizza);

DrawRecord LeggiUnoAllaVolta(const std::filesystem::path& file, int record) {
    char dati[kDrawRecordSize];
    int fd = ::open(file.c_str(), O_RDONLY);
    ssize_t letti = ::pread(fd, dati, sizeof dati, static_cast<off_t>(record - 1) * sizeof dati);
    ::close(fd);
    return letti == static_cast<ssize_t>(sizeof dati) ? DecodeDraw(dati) : DrawRecord{};
}

void BM_VisualizzaLetterale(benchmark::State& stato) {
    ArchivioBench archivio(kEstrazioni, kPerAnno);
    for (auto _ : stato) {
        DrawRecord draw = LeggiUnoAllaVolta(archivio.File(), kRecord);
        VistaEstrazione vista = VistaDi(draw);
        SuperEnalotto super = DerivaSuperEnalotto(ValoriDi(vista.Numeri));
        int mensile = 0, annuale = 0;
        for (int n = kRecord; n >= 1; --n) {
            if (LeggiUnoAllaVolta(archivio.File(), n).Month != draw.Month) break;
            ++mensile;
        }
        for (int n = kRecord; n >= 1; --n) {
            if (LeggiUnoAllaVolta(archivio.File(), n).Year != draw.Year) break;
            ++annuale;
        }
        benchmark::DoNotOptimize(super);
        benchmark::DoNotOptimize(mensile);
        benchmark::DoNotOptimize(annuale);
    }
}
BENCHMARK(BM_VisualizzaLetterale);

}  // namespace
}  // namespace ruotario::bench
