#include "store/calendario.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace ruotario {
namespace {

std::chrono::year_month_day Ymd(int giorno, int mese, int anno) {
    return std::chrono::year_month_day{std::chrono::year{anno},
                                       std::chrono::month{static_cast<unsigned>(mese)},
                                       std::chrono::day{static_cast<unsigned>(giorno)}};
}

constexpr std::array<const char*, 7> kGiorni = {"lunedì",  "martedì", "mercoledì", "giovedì",
                                                "venerdì", "sabato",  "domenica"};

}  // namespace

bool DataValida(int giorno, int mese, int anno) {
    return anno >= 1 && anno <= 32767 && mese >= 1 && mese <= 12 && giorno >= 1 && giorno <= 31 &&
           Ymd(giorno, mese, anno).ok();
}

int UltimoGiorno(int mese, int anno) {
    if (mese == 13) {
        mese = 1;
        ++anno;
    }
    using namespace std::chrono;
    year_month_day_last ultimo{year{anno}, month_day_last{month{static_cast<unsigned>(mese)}}};
    return static_cast<int>(static_cast<unsigned>(ultimo.day()));
}

std::optional<int> GiornoSettimana(int giorno, int mese, int anno) {
    if (!DataValida(giorno, mese, anno)) return std::nullopt;
    std::chrono::weekday giornata{std::chrono::sys_days{Ymd(giorno, mese, anno)}};
    return static_cast<int>(giornata.iso_encoding()) - 1;
}

std::string NomeGiorno(int giorno, int mese, int anno) {
    auto indice = GiornoSettimana(giorno, mese, anno);
    return indice ? kGiorni[*indice] : std::string();
}

std::string CellaGiorno(int giorno, int mese, int anno) {
    auto indice = GiornoSettimana(giorno, mese, anno);
    // The names begin with three plain letters, so three bytes are three letters.
    return indice ? std::string(" ").append(kGiorni[*indice], 3) : std::string();
}

std::string DataBreve(int giorno, int mese, int anno) {
    char testo[32];
    std::snprintf(testo, sizeof testo, "%02d/%02d/%04d", giorno, mese, anno);
    return testo;
}

}  // namespace ruotario
