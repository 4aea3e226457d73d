#include "store/module1.h"

#include "store/archivio.h"
#include "store/io.h"

namespace ruotario {
namespace {

Module1State stato;

}  // namespace

Module1State& Module1() {
    return stato;
}
void ResetModule1() {
    stato = Module1State{};
}

std::filesystem::path ArchivioPath() {
    return AppFile("Lotto.dat");
}

void CaricaRuote() {
    for (int w = 1; w <= kRuote; ++w)
        stato.WheelCode[w] = std::string(CodiceRuota(w));
}

bool ContaEstrazioni() {
    // A count that fails leaves an empty archive, never a stale one.
    stato.CurrentDrawIndex = 0;
    stato.DrawCount = 0;
    auto file = ArchivioPath();
    if (!Io().Size(file)) Io().WriteAt(file, 0, {});
    std::int64_t record = ContaRecord(file);
    bool troppi = record > kMaxEstrazioni;
    if (troppi) record = kMaxEstrazioni;
    stato.CurrentDrawIndex = static_cast<std::int32_t>(record);
    stato.DrawCount = static_cast<std::int16_t>(record);
    return troppi;
}

void LeggiEstrazione() {
    stato.CurrentDraw = LeggiRecord(ArchivioPath(), stato.CurrentDrawIndex, 1).front();
}

void AccodaEstrazione() {
    AccodaRecord(ArchivioPath(), stato.CurrentDraw, stato.DrawCount);
}

}  // namespace ruotario
