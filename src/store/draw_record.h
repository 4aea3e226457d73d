#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ruotario {

constexpr int kRuote = 10;
constexpr int kPosizioni = 5;
constexpr std::size_t kDrawRecordSize = 106;
// The draw count is a signed 16-bit value in the file format's world.
constexpr int kMaxEstrazioni = 32767;

// One Lotto draw as stored in "Lotto.dat": day, month, year, then the five
// numbers of each of the ten wheels, wheel after wheel, all signed 16-bit
// little-endian. A value of 0 or below means "no number there".
struct DrawRecord {
    std::int16_t Day = 0;
    std::int16_t Month = 0;
    std::int16_t Year = 0;
    std::array<std::int16_t, kRuote * kPosizioni> Cells{};

    // Position p 1..5, wheel w 1..10.
    std::int16_t& Numbers(int p, int w) { return Cells[(w - 1) * kPosizioni + (p - 1)]; }
    std::int16_t Numbers(int p, int w) const { return Cells[(w - 1) * kPosizioni + (p - 1)]; }

    bool operator==(const DrawRecord&) const = default;
};

// The files' one number format: signed 16-bit, little-endian.
inline void EncodeInt16(std::int16_t valore, char* out) {
    auto u = static_cast<std::uint16_t>(valore);
    out[0] = static_cast<char>(u & 0xFF);
    out[1] = static_cast<char>(u >> 8);
}
inline std::int16_t DecodeInt16(const char* in) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(
        static_cast<std::uint8_t>(in[0]) | (static_cast<std::uint8_t>(in[1]) << 8)));
}

void EncodeDraw(const DrawRecord& draw, char* out);
DrawRecord DecodeDraw(const char* in);
std::string EncodeDraw(const DrawRecord& draw);

// Wheel w 1..10: its full name ("Bari" ... "Venezia") and the code the program
// uses for it ("BA" ... "VE", Roma being "RO").
std::string_view NomeRuota(int w);
std::string_view CodiceRuota(int w);
// The code of the official historical text: the program's code, but "RM" for Roma.
std::string_view CodiceStorico(int w);
// The wheel 1..10 of a code, the program's or the official one; 0 for none.
int RuotaDaCodice(std::string_view codice);

}  // namespace ruotario
