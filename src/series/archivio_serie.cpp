#include "series/archivio_serie.h"

#include <algorithm>

#include "store/errore.h"
#include "store/io.h"
#include "store/module1.h"

namespace ruotario {
namespace {

constexpr const char* kMsgSerieNonValida =
    "Serie non valida: contiene numeri fuori dall'intervallo 1-90.";

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

// The file no longer holds the series the list showed.
[[noreturn]] void Cambiato(const std::filesystem::path& file, std::int64_t record,
                           std::int64_t quante) {
    throw Errore("Impossibile eliminare la serie " + std::to_string(record) + ": il file \"" +
                 file.string() + "\" ne contiene " + std::to_string(quante) +
                 ", forse è stato modificato da un altro programma.");
}

bool FuoriIntervallo(int numero) {
    return numero < 1 || numero > 90;
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
    for (std::size_t i = 0; i < serie.Slot.size(); ++i) {
        auto u = static_cast<std::uint16_t>(serie.Slot[i]);
        out[2 * i] = static_cast<char>(u & 0xFF);
        out[2 * i + 1] = static_cast<char>(u >> 8);
    }
    return out;
}

SeriesRecord DecodeSerie(const char* in) {
    SeriesRecord serie;
    for (std::size_t i = 0; i < serie.Slot.size(); ++i) {
        auto basso = static_cast<std::uint8_t>(in[2 * i]);
        auto alto = static_cast<std::uint8_t>(in[2 * i + 1]);
        serie.Slot[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(basso | (alto << 8)));
    }
    return serie;
}

std::filesystem::path SeriePath() {
    return AppFile("Serie");
}

std::filesystem::path Serie2Path() {
    return AppFile("Serie2");
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

std::vector<SeriesRecord> ElencaSerie() {
    const auto file = SeriePath();
    if (!Io().Size(file)) Io().WriteAt(file, 0, {});
    return LeggiSerie(file);
}

void AccodaSerie(const std::vector<int>& numeri) {
    if (numeri.empty() || numeri.size() > kMaxNumeriSerie)
        throw Errore("Una serie contiene da 1 a 20 numeri.", Gravita::Avviso);
    if (std::any_of(numeri.begin(), numeri.end(), FuoriIntervallo))
        throw Errore(kMsgSerieNonValida, Gravita::Avviso);
    SeriesRecord serie;
    for (std::size_t i = 0; i < numeri.size(); ++i)
        serie.Slot[i] = static_cast<std::int16_t>(numeri[i]);

    const auto file = SeriePath();
    auto byte = Io().Size(file);
    std::uint64_t prima = byte.value_or(0);
    // Right after the last whole record: a trailing fragment is overwritten.
    std::uint64_t posizione = static_cast<std::uint64_t>(ContaSerie(prima)) * kSeriesRecordSize;
    WriteOrRestore(file, byte, posizione, EncodeSerie(serie));
}

void EliminaSerie(std::int64_t record) {
    const auto file = SeriePath();
    const auto nuovo = Serie2Path();
    auto byte = Io().Size(file);
    if (!byte)
        throw Errore("Impossibile eliminare la serie: il file \"" + file.string() +
                     "\" non esiste più.");
    std::int64_t quante = ContaSerie(*byte);
    if (record < 1 || record > quante) Cambiato(file, record, quante);
    if (quante == 1) {
        Io().Remove(file);
        return;
    }
    auto serie = LeggiSerie(file);
    if (record > static_cast<std::int64_t>(serie.size()))
        Cambiato(file, record, static_cast<std::int64_t>(serie.size()));
    serie.erase(serie.begin() + (record - 1));
    // A "Serie2" left by an interrupted deletion must not lend it its records.
    Io().Remove(nuovo);
    ReplaceWhole(file, nuovo, Codifica(serie));
}

void SvuotaSerie() {
    Io().Remove(SeriePath());
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

void caricaSerie() {
    Module1().SeriesNumbers = NumeriDaVoce(Module1().SeriesText);
}

void RipristinaNumeriMemorizzati(const SeriesRecord& serie) {
    auto memorizzati = serie.Numeri();
    if (std::none_of(memorizzati.begin(), memorizzati.end(), FuoriIntervallo)) return;
    auto& numeri = Module1().SeriesNumbers;
    numeri.fill(0);
    for (std::size_t i = 0; i < memorizzati.size(); ++i)
        numeri[i + 1] = static_cast<std::int16_t>(memorizzati[i]);
}

}  // namespace ruotario
