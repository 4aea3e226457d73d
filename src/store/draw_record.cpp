#include "store/draw_record.h"

namespace ruotario {
namespace {

void Scrivi16(std::int16_t valore, char* out) {
    auto u = static_cast<std::uint16_t>(valore);
    out[0] = static_cast<char>(u & 0xFF);
    out[1] = static_cast<char>(u >> 8);
}

std::int16_t Leggi16(const char* in) {
    auto basso = static_cast<std::uint8_t>(in[0]);
    auto alto = static_cast<std::uint8_t>(in[1]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(basso | (alto << 8)));
}

constexpr std::array<std::string_view, kRuote> kNomi = {"Bari",   "Cagliari", "Firenze", "Genova",
                                                        "Milano", "Napoli",   "Palermo", "Roma",
                                                        "Torino", "Venezia"};
constexpr std::array<std::string_view, kRuote> kCodici = {"BA", "CA", "FI", "GE", "MI",
                                                          "NA", "PA", "RO", "TO", "VE"};

}  // namespace

void EncodeDraw(const DrawRecord& draw, char* out) {
    Scrivi16(draw.Day, out);
    Scrivi16(draw.Month, out + 2);
    Scrivi16(draw.Year, out + 4);
    for (std::size_t i = 0; i < draw.Cells.size(); ++i)
        Scrivi16(draw.Cells[i], out + 6 + 2 * i);
}

std::string EncodeDraw(const DrawRecord& draw) {
    std::string out(kDrawRecordSize, '\0');
    EncodeDraw(draw, out.data());
    return out;
}

DrawRecord DecodeDraw(const char* in) {
    DrawRecord draw;
    draw.Day = Leggi16(in);
    draw.Month = Leggi16(in + 2);
    draw.Year = Leggi16(in + 4);
    for (std::size_t i = 0; i < draw.Cells.size(); ++i)
        draw.Cells[i] = Leggi16(in + 6 + 2 * i);
    return draw;
}

std::string_view NomeRuota(int w) {
    return kNomi.at(w - 1);
}
std::string_view CodiceRuota(int w) {
    return kCodici.at(w - 1);
}

}  // namespace ruotario
