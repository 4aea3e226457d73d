#include "series/file_serie.h"

#include <algorithm>

#include "store/blocco.h"
#include "store/cartella_dati.h"
#include "store/draw_record.h"
#include "store/errore.h"
#include "store/io.h"

namespace ruotario {
namespace {

std::int64_t ContaSerie(std::uint64_t byte) {
    return static_cast<std::int64_t>(byte / kSeriesRecordSize);
}

std::string Codifica(const std::vector<SeriesRecord>& serie) {
    std::string dati;
    dati.reserve(serie.size() * kSeriesRecordSize);
    for (const SeriesRecord& una : serie)
        dati += EncodeSerie(una);
    return dati;
}

// The file no longer holds what was read: nothing is deleted.
[[noreturn]] void Cambiato(const std::filesystem::path& file, const std::string& cosa) {
    throw Errore("Impossibile eliminare " + cosa + ": il file \"" + file.string() +
                     "\" è stato modificato da un altro programma dopo che le serie sono state "
                     "lette. Non è stato eliminato nulla.",
                 Gravita::Avviso);
}

}  // namespace

std::vector<int> SeriesRecord::Numeri() const {
    std::vector<int> numeri;
    for (std::int16_t valore : Slot) {
        if (valore == 0) break;
        numeri.push_back(valore);
    }
    return numeri;
}

std::string EncodeSerie(const SeriesRecord& serie) {
    std::string out(kSeriesRecordSize, '\0');
    for (std::size_t i = 0; i < serie.Slot.size(); ++i)
        EncodeInt16(serie.Slot[i], out.data() + 2 * i);
    return out;
}

SeriesRecord DecodeSerie(const char* in) {
    SeriesRecord serie;
    for (std::size_t i = 0; i < serie.Slot.size(); ++i)
        serie.Slot[i] = DecodeInt16(in + 2 * i);
    return serie;
}

std::filesystem::path SeriePath() {
    return AppFile("Serie");
}

std::string SeriesEntry(const SeriesRecord& serie, std::int64_t record) {
    std::string voce;
    for (int numero : serie.Numeri()) {
        // The decimal text without a sign, in a field of exactly two characters.
        std::string cifre = std::to_string(numero < 0 ? -static_cast<long>(numero) : numero);
        cifre.resize(2, ' ');
        voce += "-" + cifre;
    }
    return voce + "    S_" + std::to_string(record);
}

std::vector<SeriesRecord> LeggiSerie(const std::filesystem::path& file) {
    std::vector<SeriesRecord> serie;
    auto byte = Io().Size(file);
    if (!byte) return serie;
    std::int64_t quante = ContaSerie(*byte);
    std::string dati = Io().Read(file, 0, static_cast<std::size_t>(quante) * kSeriesRecordSize);
    // The file may have shrunk since its size was taken.
    quante = ContaSerie(dati.size());
    for (std::int64_t i = 0; i < quante; ++i)
        serie.push_back(DecodeSerie(dati.data() + i * kSeriesRecordSize));
    return serie;
}

std::vector<std::string> VociSerie(const std::vector<SeriesRecord>& serie) {
    std::vector<std::string> voci;
    for (std::size_t i = 0; i < serie.size(); ++i)
        voci.push_back(SeriesEntry(serie[i], static_cast<std::int64_t>(i) + 1));
    if (voci.empty()) voci.push_back(kSerieSegnaposto);
    return voci;
}

std::vector<SeriesRecord> ElencaSerie(const std::filesystem::path& file) {
    if (!Io().Size(file)) {
        BloccoCartella blocco(Cartella(file));
        Io().WriteAt(file, 0, {});
    }
    return LeggiSerie(file);
}

std::int64_t AccodaSerie(const std::filesystem::path& file, const std::vector<int>& numeri) {
    ControllaSerie(numeri);
    SeriesRecord serie;
    for (std::size_t i = 0; i < numeri.size(); ++i)
        serie.Slot[i] = static_cast<std::int16_t>(numeri[i]);
    BloccoCartella blocco(Cartella(file));
    auto byte = Io().Size(file);
    // Right after the last whole record: a trailing fragment is overwritten.
    const std::int64_t quante = ContaSerie(byte.value_or(0));
    WriteOrRestore(file, byte, static_cast<std::uint64_t>(quante) * kSeriesRecordSize,
                   EncodeSerie(serie));
    return quante + 1;
}

void EliminaSerie(const std::filesystem::path& file, std::int64_t record,
                  const std::optional<SeriesRecord>& attesa) {
    BloccoCartella blocco(Cartella(file));
    if (!Io().Size(file))
        throw Errore("Impossibile eliminare la serie: il file \"" + file.string() +
                     "\" non esiste più.");
    auto serie = LeggiSerie(file);
    const auto quante = static_cast<std::int64_t>(serie.size());
    if (record < 1 || record > quante) {
        if (attesa) Cambiato(file, "la serie S_" + std::to_string(record));
        throw Errore("Impossibile eliminare la serie " + std::to_string(record) + ": il file \"" +
                         file.string() + "\" contiene " + Quantita(quante, "serie", "serie") + ".",
                     Gravita::Avviso);
    }
    if (attesa && serie[static_cast<std::size_t>(record - 1)] != *attesa)
        Cambiato(file, "la serie S_" + std::to_string(record));
    if (quante == 1) {
        Io().Remove(file);
        return;
    }
    serie.erase(serie.begin() + (record - 1));
    ReplaceWhole(file, Codifica(serie));
}

void SvuotaSerie(const std::filesystem::path& file,
                 const std::optional<std::vector<SeriesRecord>>& attese) {
    BloccoCartella blocco(Cartella(file));
    if (attese && LeggiSerie(file) != *attese) Cambiato(file, "le serie");
    Io().Remove(file);
}

std::array<std::int16_t, kMaxNumeriSerie + 1> NumeriDaVoce(const std::string& testo) {
    std::array<std::int16_t, kMaxNumeriSerie + 1> numeri{};
    int slot = 1;
    int valore = 0;
    bool separato = true;
    for (std::size_t p = 0; p < testo.size(); ++p) {
        char c = testo[p];
        if (c == 'S' || c == 'R' || testo.compare(p, 2, "  ") == 0) break;
        if (c >= '0' && c <= '9') {
            if (separato) valore = 0;
            // A twenty-first number has no slot; a runaway digit run stays in 16 bits.
            if (slot > kMaxNumeriSerie) break;
            valore = std::min(valore * 10 + (c - '0'), 32767);
            separato = false;
            numeri[slot] = static_cast<std::int16_t>(valore);
        } else {
            if (!separato) ++slot;
            separato = true;
        }
    }
    return numeri;
}

std::optional<std::array<std::int16_t, kMaxNumeriSerie + 1>> NumeriFuoriIntervallo(
    const SeriesRecord& serie) {
    const auto memorizzati = serie.Numeri();
    if (std::all_of(memorizzati.begin(), memorizzati.end(),
                    [](int n) { return n >= 1 && n <= 90; }))
        return std::nullopt;
    std::array<std::int16_t, kMaxNumeriSerie + 1> numeri{};
    for (std::size_t i = 0; i < memorizzati.size(); ++i)
        numeri[i + 1] = static_cast<std::int16_t>(memorizzati[i]);
    return numeri;
}

}  // namespace ruotario
