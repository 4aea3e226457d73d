#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ruotario {

// The fifty numbers of a draw, Bari I to Venezia V.
constexpr std::size_t kNumeriEstrazione = 50;

// The numbers of a draw pasted as text, in the order they stand: a number is a
// run of the digits 0 to 9, anything else separates. Each comes back as the
// text of its value (05 as 5, 000 as 0); a run too long for any number stays
// whole, so it simply is not a drawable number. At most the first fifty; the
// rest of the text is not read.
std::vector<std::string> NumeriDaTesto(std::string_view testo);

}  // namespace ruotario
