#include "store/draw_record.h"

namespace ruotario {
namespace {

constexpr std::array<std::string_view, kRuote> kNomi = {"Bari",   "Cagliari", "Firenze", "Genova",
                                                        "Milano", "Napoli",   "Palermo", "Roma",
                                                        "Torino", "Venezia"};
constexpr std::array<std::string_view, kRuote> kCodici = {"BA", "CA", "FI", "GE", "MI",
                                                          "NA", "PA", "RO", "TO", "VE"};

}  // namespace

void EncodeDraw(const DrawRecord& draw, char* out) {
    EncodeInt16(draw.Day, out);
    EncodeInt16(draw.Month, out + 2);
    EncodeInt16(draw.Year, out + 4);
    for (std::size_t i = 0; i < draw.Cells.size(); ++i)
        EncodeInt16(draw.Cells[i], out + 6 + 2 * i);
}

std::string EncodeDraw(const DrawRecord& draw) {
    std::string out(kDrawRecordSize, '\0');
    EncodeDraw(draw, out.data());
    return out;
}

DrawRecord DecodeDraw(const char* in) {
    DrawRecord draw;
    draw.Day = DecodeInt16(in);
    draw.Month = DecodeInt16(in + 2);
    draw.Year = DecodeInt16(in + 4);
    for (std::size_t i = 0; i < draw.Cells.size(); ++i)
        draw.Cells[i] = DecodeInt16(in + 6 + 2 * i);
    return draw;
}

std::string_view NomeRuota(int w) {
    return kNomi.at(w - 1);
}
std::string_view CodiceRuota(int w) {
    return kCodici.at(w - 1);
}
std::string_view CodiceStorico(int w) {
    return w == 8 ? std::string_view("RM") : CodiceRuota(w);
}
int RuotaDaCodice(std::string_view codice) {
    for (int w = 1; w <= kRuote; ++w)
        if (codice == CodiceRuota(w) || codice == CodiceStorico(w)) return w;
    return 0;
}

}  // namespace ruotario
