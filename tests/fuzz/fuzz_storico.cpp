// The official historical text, as the importer reads it: any input either
// gives draws that are sound and survive a trip back to text, or is refused
// with a message naming the file and the line.
#include <algorithm>

#include "fuzz/comune.h"
#include "store/errore.h"
#include "store/storico.h"

void ruotario::Prova(const std::string& byte) {
    try {
        const auto draws = ImportaStorico({{"prova.txt", byte}});
        // Each slot empty or a drawable number, never twice on a wheel.
        for (const DrawRecord& draw : draws)
            for (int c = 0; c < kRuote * kPosizioni; ++c)
                Verifica(draw.Cells[c] >= 0 && draw.Cells[c] <= 90 &&
                         (draw.Cells[c] == 0 || std::count(&draw.Cells[c - c % kPosizioni],
                                                           &draw.Cells[c], draw.Cells[c]) == 0));
        Verifica(ImportaStorico({{"copia.txt", EsportaStorico(draws)}}) == draws);
    } catch (const Errore& errore) {
        Verifica(std::string(errore.what()).starts_with("Errore nel file \"prova.txt\", riga "));
    }
}
