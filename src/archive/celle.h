#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ruotario {

// The draw grid's ten wheels as texts: wheel 1..10 at index 0..9, positions
// I..V at index 0..4.
using CelleRuote = std::array<std::array<std::string, 5>, 10>;

// The same wheels as numbers read back from the cells, with the column after
// position V (always empty, so 0) at index 5.
using ValoriRuote = std::array<std::array<std::int64_t, 6>, 10>;

// The numeric value of a cell's text: its leading decimal number after any
// blanks; an empty text, "-" or "--" give 0. A run of digits too long for the
// type stays at the largest value rather than wrapping round.
std::int64_t ValoreCella(std::string_view testo);

// A cell that holds a drawable number: not empty, value 1 to 90.
bool NumeroValido(std::string_view testo);

ValoriRuote ValoriDi(const CelleRuote& celle);

}  // namespace ruotario
