#include "archive/vista.h"

#include <limits>

#include "store/lotto_dat.h"
#include "store/calendario.h"

namespace ruotario {

VistaEstrazione VistaDi(const DrawRecord& draw) {
    VistaEstrazione vista;
    vista.Data = {std::to_string(draw.Day), std::to_string(draw.Month), std::to_string(draw.Year)};
    vista.CellaGiorno = CellaGiorno(draw.Day, draw.Month, draw.Year);
    for (int w = 1; w <= kRuote; ++w)
        for (int p = 1; p <= kPosizioni; ++p) {
            std::int16_t n = draw.Numbers(p, w);
            vista.Numeri[w - 1][p - 1] = n > 0 ? std::to_string(n) : "-";
        }
    return vista;
}

SchedaEstrazione SchedaDi(const std::filesystem::path& file, std::int64_t record) {
    SchedaEstrazione scheda;
    scheda.Record = record;
    scheda.Vista = VistaDi(LeggiRecord(file, record, 1).front());
    scheda.Super = DerivaSuperEnalotto(ValoriDi(scheda.Vista.Numeri));
    scheda.Numeri = NumeraEstrazione(file, record);
    return scheda;
}

std::optional<DrawRecord> ComponiEstrazione(const std::array<std::string, 3>& data,
                                            const CelleRuote& celle) {
    DrawRecord draw;
    std::int64_t giorno = ValoreCella(data[0]), mese = ValoreCella(data[1]),
                 anno = ValoreCella(data[2]);
    if (giorno < 1 || giorno > 31 || mese < 1 || mese > 12 || anno < 1 ||
        anno > std::numeric_limits<std::int16_t>::max() ||
        !DataValida(static_cast<int>(giorno), static_cast<int>(mese), static_cast<int>(anno)))
        return std::nullopt;
    draw.Day = static_cast<std::int16_t>(giorno);
    draw.Month = static_cast<std::int16_t>(mese);
    draw.Year = static_cast<std::int16_t>(anno);
    for (int w = 1; w <= kRuote; ++w)
        for (int p = 1; p <= kPosizioni; ++p) {
            const std::string& cella = celle[w - 1][p - 1];
            if (!NumeroValido(cella)) return std::nullopt;
            draw.Numbers(p, w) = static_cast<std::int16_t>(ValoreCella(cella));
        }
    for (int w = 1; w <= kRuote; ++w)
        for (int p = 1; p < kPosizioni; ++p)
            for (int q = p + 1; q <= kPosizioni; ++q)
                if (draw.Numbers(p, w) == draw.Numbers(q, w)) return std::nullopt;
    return draw;
}

}  // namespace ruotario
