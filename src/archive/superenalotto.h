#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "archive/celle.h"

namespace ruotario {

// The Super Enalotto combination that goes with a Lotto draw: the first
// number of Bari, then of Firenze, Milano, Napoli, Palermo and Roma that is
// not already taken, and the Jolly from Venezia the same way.
struct SuperEnalotto {
    // Picks 0..5 from Bari, Firenze, Milano, Napoli, Palermo, Roma; 6 the Jolly.
    std::array<std::int64_t, 7> Scelte{};
    // The draw grid's cells (row, column) the picks came from, marked red;
    // none when the combination is incomplete.
    std::vector<std::pair<int, int>> Rossi;
    // The combination cannot be given: a source wheel without its first
    // number, or a wheel whose five numbers were all taken already.
    bool Incompleto = true;
    // What the Super Enalotto grid shows: the six in ascending order (rows
    // 0..5) and the Jolly (row 7), or " - " in all seven when incomplete.
    std::array<std::string, 6> Sei;
    std::string Jolly;
};

SuperEnalotto DerivaSuperEnalotto(const ValoriRuote& valori);

}  // namespace ruotario
