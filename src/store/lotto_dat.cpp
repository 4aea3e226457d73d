#include "store/lotto_dat.h"

#include <algorithm>

#include "store/blocco.h"
#include "store/errore.h"
#include "store/io.h"
#include "store/storico.h"

namespace ruotario {
namespace {

[[noreturn]] void TroppoCorto(const std::filesystem::path& file, std::int64_t record) {
    throw Errore("Impossibile leggere l'estrazione " + std::to_string(record) + " dal file \"" +
                 file.string() + "\": il file è più corto del previsto.");
}

[[noreturn]] void Troppe(const std::filesystem::path& file, std::int64_t record) {
    throw Errore("L'archivio \"" + file.string() + "\" contiene " +
                 Quantita(record, "estrazione", "estrazioni") +
                 ", più delle 32767 che il programma può gestire: non viene usato né "
                 "modificato. Con \"ruotario-cli esporta\" lo si può salvare come testo.");
}

std::string Codifica(const std::vector<DrawRecord>& draws) {
    std::string dati(draws.size() * kDrawRecordSize, '\0');
    for (std::size_t i = 0; i < draws.size(); ++i)
        EncodeDraw(draws[i], dati.data() + i * kDrawRecordSize);
    return dati;
}

// Under the lock: appends after the last whole record there is now.
std::int64_t Accoda(const std::filesystem::path& file, const std::vector<DrawRecord>& draws) {
    auto size = Io().Size(file);
    const std::int64_t record = static_cast<std::int64_t>(size.value_or(0) / kDrawRecordSize);
    if (record > kMaxEstrazioni) Troppe(file, record);
    if (record + static_cast<std::int64_t>(draws.size()) > kMaxEstrazioni)
        throw Errore(kMsgArchivioPieno, Gravita::Avviso);
    WriteOrRestore(file, size, static_cast<std::uint64_t>(record) * kDrawRecordSize,
                   Codifica(draws));
    return record + 1;
}

}  // namespace

std::int64_t ContaRecord(const std::filesystem::path& file) {
    auto size = Io().Size(file);
    return size ? static_cast<std::int64_t>(*size / kDrawRecordSize) : 0;
}

void RichiediArchivio(const std::filesystem::path& file) {
    if (!Io().Size(file)) throw Errore("L'archivio \"" + file.string() + "\" non esiste.");
}

void RifiutaArchivioEsistente(const std::filesystem::path& file) {
    if (Io().Size(file))
        throw Errore("L'archivio \"" + file.string() +
                     "\" esiste già: per sostituirlo usare --sovrascrivi.");
}

std::int16_t ContaArchivio(const std::filesystem::path& file) {
    const std::int64_t record = ContaRecord(file);
    if (record > kMaxEstrazioni) Troppe(file, record);
    return static_cast<std::int16_t>(record);
}

std::string LeggiByte(const std::filesystem::path& file, std::int64_t primo, std::int64_t quanti) {
    if (primo < 1) TroppoCorto(file, primo);
    if (quanti <= 0) return {};
    std::string dati = Io().Read(file, static_cast<std::uint64_t>(primo - 1) * kDrawRecordSize,
                                 static_cast<std::size_t>(quanti) * kDrawRecordSize);
    std::int64_t letti = static_cast<std::int64_t>(dati.size() / kDrawRecordSize);
    if (letti < quanti) TroppoCorto(file, primo + letti);
    return dati;
}

std::vector<DrawRecord> LeggiRecord(const std::filesystem::path& file, std::int64_t primo,
                                    std::int64_t quanti) {
    const std::string dati = LeggiByte(file, primo, quanti);
    std::vector<DrawRecord> draws;
    draws.reserve(static_cast<std::size_t>(std::max<std::int64_t>(quanti, 0)));
    for (std::int64_t i = 0; i < quanti; ++i)
        draws.push_back(DecodeDraw(dati.data() + i * kDrawRecordSize));
    return draws;
}

std::int64_t AccodaRecord(const std::filesystem::path& file, const std::vector<DrawRecord>& draws) {
    BloccoCartella blocco(Cartella(file));
    return Accoda(file, draws);
}

void SostituisciArchivio(const std::filesystem::path& file, const std::vector<DrawRecord>& draws,
                         bool sovrascrivi) {
    BloccoCartella blocco(Cartella(file));
    if (!sovrascrivi) RifiutaArchivioEsistente(file);
    ReplaceWhole(file, Codifica(draws));
}

Aggiornamento AggiornaArchivio(const std::filesystem::path& file,
                               const std::vector<DrawRecord>& storico) {
    BloccoCartella blocco(Cartella(file));
    RichiediArchivio(file);
    Aggiornamento esito;
    const std::vector<DrawRecord> nuove =
        DaAggiungere(LeggiRecord(file, 1, ContaArchivio(file)), storico, esito.Assenti);
    if (!nuove.empty()) Accoda(file, nuove);
    esito.Aggiunte = static_cast<std::int64_t>(nuove.size());
    return esito;
}

}  // namespace ruotario
