#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "store/draw_record.h"

namespace ruotario {

// The rules the archive window applies while a new draw is typed in.

struct Data {
    int giorno = 0, mese = 0, anno = 0;
    bool operator==(const Data&) const = default;
};

// The date proposed for a new draw: the last stored draw's, or `oggi` when
// the archive has none or its date is not a real one (a damaged file).
Data DataProposta(const std::optional<DrawRecord>& ultima, const Data& oggi);

// The year list: the proposed year and the ten after it.
std::vector<std::string> AnniProposti(int anno);

// The three date lists' texts joined as "d/m/y", each part read by its value
// ("05" is 5, an empty text 0).
Data DataDiTesto(const std::string& testo);

// How many days the day list offers for the month and year of a "d/m/y"
// text (February of 2004: 29); nothing when the month or year is not there.
std::optional<int> GiorniDelMese(const std::string& testo);

// A space and the weekday's first three letters for a "d/m/y" text (" sab");
// nothing when the text is not a real date.
std::optional<std::string> CellaGiornoDi(const std::string& testo);

// Where the cursor goes when it reaches the column after the fifth number:
// the first number of the next wheel, and from Venezia back to Bari. Nothing
// for any other cell. Rows and columns of the draw grid.
std::optional<std::pair<int, int>> CellaDopo(int riga, int colonna);

// The digits typed into the current cell: two make a number.
class Digitazione {
  public:
    // Takes a digit 0..9 (anything else is not taken and changes nothing);
    // true when it was taken.
    bool Digita(char carattere);
    // What the cell shows: the digits so far, "4" then "45".
    std::string Testo() const { return std::string(cifre_.data(), conteggio_); }
    // Two digits typed: the cursor moves on.
    bool Completa() const { return conteggio_ == 2; }
    // A new cell starts empty.
    void Azzera() { conteggio_ = 0; }

  private:
    std::array<char, 2> cifre_{};
    std::uint8_t conteggio_ = 0;
};

}  // namespace ruotario
