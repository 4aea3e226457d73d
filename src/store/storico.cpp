#include "store/storico.h"

#include <chrono>
#include <cstdio>
#include <string_view>

#include "store/errore.h"

namespace ruotario {
namespace {

struct Riga {
    const TestoStorico* file;
    std::size_t numero;
};

[[noreturn]] void Rifiuta(const Riga& riga, const std::string& motivo) {
    throw Errore("Errore nel file \"" + riga.file->nome + "\", riga " +
                 std::to_string(riga.numero) + ": " + motivo + ".");
}

std::vector<std::string_view> Campi(std::string_view riga) {
    std::vector<std::string_view> campi;
    std::size_t inizio = 0;
    while (true) {
        std::size_t tab = riga.find('\t', inizio);
        campi.push_back(riga.substr(inizio, tab - inizio));
        if (tab == std::string_view::npos) break;
        inizio = tab + 1;
    }
    return campi;
}

// Digits only, at most `cifre` of them; -1 otherwise.
int Intero(std::string_view testo, std::size_t cifre) {
    if (testo.empty() || testo.size() > cifre) return -1;
    int valore = 0;
    for (char c : testo) {
        if (c < '0' || c > '9') return -1;
        valore = valore * 10 + (c - '0');
    }
    return valore;
}

int Ruota(std::string_view codice) {
    static constexpr std::string_view kCodici[] = {"BA", "CA", "FI", "GE", "MI",
                                                   "NA", "PA", "RM", "TO", "VE"};
    for (int w = 0; w < kRuote; ++w)
        if (codice == kCodici[w]) return w + 1;
    if (codice == "RO") return 8;
    return 0;
}

constexpr const char* kFormato =
    "riga non valida: attese la data (AAAA/MM/GG), la ruota e cinque numeri separati da "
    "tabulazioni";

struct Data {
    int anno, mese, giorno;
    auto operator<=>(const Data&) const = default;
};

Data LeggiData(const Riga& riga, std::string_view testo) {
    if (testo.size() != 10 || testo[4] != '/' || testo[7] != '/') Rifiuta(riga, kFormato);
    Data data{Intero(testo.substr(0, 4), 4), Intero(testo.substr(5, 2), 2),
              Intero(testo.substr(8, 2), 2)};
    if (data.anno < 0 || data.mese < 0 || data.giorno < 0) Rifiuta(riga, kFormato);
    std::chrono::year_month_day ymd{std::chrono::year{data.anno},
                                    std::chrono::month{static_cast<unsigned>(data.mese)},
                                    std::chrono::day{static_cast<unsigned>(data.giorno)}};
    if (data.anno < 1 || !ymd.ok())
        Rifiuta(riga, "data impossibile \"" + std::string(testo) + "\"");
    return data;
}

}  // namespace

std::vector<DrawRecord> ImportaStorico(const std::vector<TestoStorico>& files) {
    std::vector<DrawRecord> draws;
    Data ultima{0, 0, 0};
    // Wheels already read for the draw being built.
    std::array<bool, kRuote + 1> presenti{};
    for (const TestoStorico& file : files) {
        std::string_view testo = file.testo;
        Riga riga{&file, 0};
        std::size_t inizio = 0;
        while (inizio < testo.size()) {
            std::size_t fine = testo.find('\n', inizio);
            if (fine == std::string_view::npos) fine = testo.size();
            std::string_view linea = testo.substr(inizio, fine - inizio);
            inizio = fine + 1;
            ++riga.numero;
            if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
            if (linea.empty()) continue;

            auto campi = Campi(linea);
            if (campi.size() != 2 + kPosizioni) Rifiuta(riga, kFormato);
            if (campi[1] == "RN") continue;
            Data data = LeggiData(riga, campi[0]);
            int w = Ruota(campi[1]);
            if (w == 0) Rifiuta(riga, "ruota sconosciuta \"" + std::string(campi[1]) + "\"");

            std::array<int, kPosizioni> numeri{};
            for (int p = 0; p < kPosizioni; ++p) {
                int n = Intero(campi[2 + p], 9);
                if (n < 0) Rifiuta(riga, kFormato);
                if (n < 1 || n > 90)
                    Rifiuta(riga, "numero fuori dall'intervallo 1-90 (" +
                                      std::string(campi[2 + p]) + ")");
                for (int q = 0; q < p; ++q)
                    if (numeri[q] == n)
                        Rifiuta(riga, "il numero " + std::to_string(n) +
                                          " è ripetuto sulla ruota di " +
                                          std::string(NomeRuota(w)));
                numeri[p] = n;
            }

            if (draws.empty() || data != ultima) {
                if (!draws.empty() && data < ultima)
                    Rifiuta(riga, "la data " + std::string(campi[0]) +
                                      " è precedente a quella dell'estrazione prima");
                if (draws.size() == static_cast<std::size_t>(kMaxEstrazioni))
                    Rifiuta(riga, "più di 32767 estrazioni, che l'archivio non può contenere");
                DrawRecord nuova;
                nuova.Day = static_cast<std::int16_t>(data.giorno);
                nuova.Month = static_cast<std::int16_t>(data.mese);
                nuova.Year = static_cast<std::int16_t>(data.anno);
                draws.push_back(nuova);
                presenti.fill(false);
                ultima = data;
            }
            if (presenti[w])
                Rifiuta(riga, "la ruota di " + std::string(NomeRuota(w)) +
                                  " compare due volte nella stessa estrazione");
            presenti[w] = true;
            for (int p = 0; p < kPosizioni; ++p)
                draws.back().Numbers(p + 1, w) = static_cast<std::int16_t>(numeri[p]);
        }
    }
    return draws;
}

std::string EsportaStorico(const std::vector<DrawRecord>& draws) {
    static constexpr const char* kCodici[] = {"BA", "CA", "FI", "GE", "MI",
                                              "NA", "PA", "RM", "TO", "VE"};
    std::string testo;
    testo.reserve(draws.size() * 10 * 26);
    char data[32];
    for (const DrawRecord& draw : draws) {
        std::snprintf(data, sizeof data, "%04d/%02d/%02d", draw.Year, draw.Month, draw.Day);
        for (int w = 1; w <= kRuote; ++w) {
            bool vuota = true;
            for (int p = 1; p <= kPosizioni; ++p)
                vuota = vuota && draw.Numbers(p, w) == 0;
            if (vuota) continue;
            testo += data;
            testo += '\t';
            testo += kCodici[w - 1];
            for (int p = 1; p <= kPosizioni; ++p) {
                testo += '\t';
                testo += std::to_string(draw.Numbers(p, w));
            }
            testo += '\n';
        }
    }
    return testo;
}

}  // namespace ruotario
