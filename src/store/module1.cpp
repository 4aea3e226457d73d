#include "store/module1.h"

#include "store/lotto_dat.h"
#include "store/blocco.h"
#include "store/cartella_dati.h"
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

std::filesystem::path LottoDatPath() {
    return AppFile("Lotto.dat");
}

void CaricaRuote() {
    for (int w = 1; w <= kRuote; ++w)
        stato.WheelCode[w] = std::string(CodiceRuota(w));
}

void ContaEstrazioni() {
    // A count that fails leaves an empty archive, never a stale one.
    stato.CurrentDrawIndex = 0;
    stato.DrawCount = 0;
    const auto file = LottoDatPath();
    if (!Io().Size(file)) {
        BloccoCartella blocco(Cartella(file));
        Io().WriteAt(file, 0, {});
    }
    stato.DrawCount = ContaArchivio(file);
    stato.CurrentDrawIndex = stato.DrawCount;
}

void LeggiEstrazione() {
    stato.CurrentDraw = LeggiRecord(LottoDatPath(), stato.CurrentDrawIndex, 1).front();
}

void AccodaEstrazione() {
    AccodaRecord(LottoDatPath(), {stato.CurrentDraw});
}

}  // namespace ruotario
