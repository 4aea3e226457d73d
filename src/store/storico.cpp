#include "store/storico.h"

#include <cstdio>
#include <map>
#include <string_view>

#include "store/calendario.h"
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
    if (!DataValida(data.giorno, data.mese, data.anno))
        Rifiuta(riga, "data impossibile \"" + std::string(testo) + "\"");
    return data;
}

Data DataDi(const DrawRecord& draw) {
    return {draw.Year, draw.Month, draw.Day};
}

std::string Cinque(const DrawRecord& draw, int w) {
    if (draw.Numbers(1, w) == 0) return "nessun numero";
    std::string testo;
    for (int p = 1; p <= kPosizioni; ++p)
        testo += (p > 1 ? " " : "") + std::to_string(draw.Numbers(p, w));
    return testo;
}

// A draw of the official text against the archive's draw of the same date.
void ConfrontaEstrazione(const DrawRecord& memorizzata, const DrawRecord& letta) {
    for (int w = 1; w <= kRuote; ++w) {
        bool uguali = true;
        for (int p = 1; p <= kPosizioni; ++p)
            uguali = uguali && memorizzata.Numbers(p, w) == letta.Numbers(p, w);
        if (uguali) continue;
        throw Errore("L'estrazione del " + DataBreve(letta.Day, letta.Month, letta.Year) +
                     " sulla ruota di " + std::string(NomeRuota(w)) +
                     " non coincide con quella dell'archivio: nel file " + Cinque(letta, w) +
                     ", nell'archivio " + Cinque(memorizzata, w) +
                     ". L'archivio non è stato cambiato.");
    }
}

}  // namespace

std::vector<DrawRecord> ImportaStorico(const std::vector<TestoStorico>& files) {
    std::vector<DrawRecord> draws;
    Data ultima{0, 0, 0};
    int ultimaRuota = 0;  // the wheel of the last line read
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
            int w = RuotaDaCodice(campi[1]);
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

            // A line of another date, or of a wheel not after the last one
            // read, begins the next draw.
            if (draws.empty() || data != ultima || w <= ultimaRuota) {
                if (draws.size() == static_cast<std::size_t>(kMaxEstrazioni))
                    Rifiuta(riga, "più di 32767 estrazioni, che l'archivio non può contenere");
                DrawRecord nuova;
                nuova.Day = static_cast<std::int16_t>(data.giorno);
                nuova.Month = static_cast<std::int16_t>(data.mese);
                nuova.Year = static_cast<std::int16_t>(data.anno);
                draws.push_back(nuova);
                ultima = data;
            }
            ultimaRuota = w;
            for (int p = 0; p < kPosizioni; ++p)
                draws.back().Numbers(p + 1, w) = static_cast<std::int16_t>(numeri[p]);
        }
    }
    return draws;
}

std::string EsportaStorico(const std::vector<DrawRecord>& draws) {
    std::string testo;
    testo.reserve(draws.size() * 10 * 26);
    char data[32];
    int ultimaRuota = 0;  // the last wheel written for the draw before
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const DrawRecord& draw = draws[i];
        const int ultimaPrecedente = ultimaRuota;
        auto Rifiuta = [&](const std::string& motivo) {
            throw Errore("Impossibile esportare l'estrazione " + std::to_string(i + 1) + " (" +
                         std::to_string(draw.Day) + "/" + std::to_string(draw.Month) + "/" +
                         std::to_string(draw.Year) + "): " + motivo +
                         ". Il testo ufficiale non può contenerla.");
        };
        if (draw.Year > 9999 || !DataValida(draw.Day, draw.Month, draw.Year))
            Rifiuta("la data non è una data del calendario");
        std::snprintf(data, sizeof data, "%04d/%02d/%02d", draw.Year, draw.Month, draw.Day);
        int primaRuota = 0;
        for (int w = 1; w <= kRuote; ++w) {
            int vuote = 0;
            for (int p = 1; p <= kPosizioni; ++p) {
                const int n = draw.Numbers(p, w);
                vuote += n == 0;
                if (n != 0 && (n < 1 || n > 90))
                    Rifiuta("il numero " + std::to_string(n) + " sulla ruota di " +
                            std::string(NomeRuota(w)) + " è fuori dall'intervallo 1-90");
                for (int q = 1; q < p; ++q)
                    if (n != 0 && draw.Numbers(q, w) == n)
                        Rifiuta("il numero " + std::to_string(n) + " è ripetuto sulla ruota di " +
                                std::string(NomeRuota(w)));
            }
            if (vuote == kPosizioni) continue;
            if (vuote > 0)
                Rifiuta("la ruota di " + std::string(NomeRuota(w)) + " ha solo " +
                        Quantita(kPosizioni - vuote, "numero", "numeri"));
            if (primaRuota == 0) primaRuota = w;
            testo += data;
            testo += '\t';
            testo += CodiceStorico(w);
            for (int p = 1; p <= kPosizioni; ++p) {
                testo += '\t';
                testo += std::to_string(draw.Numbers(p, w));
            }
            testo += '\n';
            ultimaRuota = w;
        }
        if (primaRuota == 0) Rifiuta("non contiene nessun numero");
        // Read back, a draw of the same date whose wheels all come after the
        // last wheel of the one before would join it.
        const DrawRecord* prima = i > 0 ? &draws[i - 1] : nullptr;
        if (prima && prima->Day == draw.Day && prima->Month == draw.Month &&
            prima->Year == draw.Year && primaRuota > ultimaPrecedente)
            Rifiuta(
                "ha la stessa data dell'estrazione prima e le sue ruote seguono le ultime di "
                "quella, così che le due non si potrebbero distinguere");
    }
    return testo;
}

std::vector<std::int64_t> DateNonCrescenti(const std::vector<DrawRecord>& draws) {
    std::vector<std::int64_t> record;
    for (std::size_t i = 1; i < draws.size(); ++i)
        if (DataDi(draws[i]) <= DataDi(draws[i - 1]))
            record.push_back(static_cast<std::int64_t>(i) + 1);
    return record;
}

std::vector<DrawRecord> DaAggiungere(const std::vector<DrawRecord>& archivio,
                                     const std::vector<DrawRecord>& storico,
                                     std::int64_t& assenti) {
    assenti = 0;
    std::vector<DrawRecord> nuove;
    if (archivio.empty()) return storico;
    const Data ultima = DataDi(archivio.back());
    // The archive's draws of each date, in their order.
    std::map<Data, std::vector<const DrawRecord*>> memorizzate;
    for (const DrawRecord& draw : archivio)
        memorizzate[DataDi(draw)].push_back(&draw);
    std::map<Data, std::size_t> viste;
    for (const DrawRecord& draw : storico) {
        const Data data = DataDi(draw);
        auto stesse = memorizzate.find(data);
        const std::size_t k = viste[data]++;
        if (stesse != memorizzate.end() && k < stesse->second.size()) {
            ConfrontaEstrazione(*stesse->second[k], draw);
        } else if (data <= ultima) {
            ++assenti;
        } else {
            nuove.push_back(draw);
        }
    }
    return nuove;
}

}  // namespace ruotario
