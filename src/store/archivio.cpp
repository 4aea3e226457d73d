#include "store/archivio.h"

#include "store/errore.h"
#include "store/io.h"

namespace ruotario {
namespace {

[[noreturn]] void TroppoCorto(const std::filesystem::path& file, std::int64_t record) {
    throw Errore("Impossibile leggere l'estrazione " + std::to_string(record) + " dal file \"" +
                 file.string() + "\": il file è più corto del previsto.");
}

// The archive no longer holds the draws that were counted.
[[noreturn]] void Cambiato(const std::filesystem::path& file, const char* quante) {
    throw Errore("Impossibile aggiungere l'estrazione al file \"" + file.string() +
                 "\": il file contiene " + quante +
                 " estrazioni di quelle contate, forse è stato modificato da un altro programma.");
}

}  // namespace

std::int64_t ContaRecord(const std::filesystem::path& file) {
    auto size = Io().Size(file);
    return size ? static_cast<std::int64_t>(*size / kDrawRecordSize) : 0;
}

std::vector<DrawRecord> LeggiRecord(const std::filesystem::path& file, std::int64_t primo,
                                    std::int64_t quanti) {
    if (primo < 1) TroppoCorto(file, primo);
    std::vector<DrawRecord> draws;
    if (quanti <= 0) return draws;
    std::string dati = Io().Read(file, static_cast<std::uint64_t>(primo - 1) * kDrawRecordSize,
                                 static_cast<std::size_t>(quanti) * kDrawRecordSize);
    std::int64_t letti = static_cast<std::int64_t>(dati.size() / kDrawRecordSize);
    if (letti < quanti) TroppoCorto(file, primo + letti);
    draws.reserve(static_cast<std::size_t>(quanti));
    for (std::int64_t i = 0; i < quanti; ++i)
        draws.push_back(DecodeDraw(dati.data() + i * kDrawRecordSize));
    return draws;
}

void AccodaRecord(const std::filesystem::path& file, const DrawRecord& draw,
                  std::int64_t conteggio) {
    if (conteggio >= kMaxEstrazioni) throw Errore(kMsgArchivioPieno, Gravita::Avviso);
    auto size = Io().Size(file);
    std::uint64_t prima = size.value_or(0);
    std::uint64_t posizione = static_cast<std::uint64_t>(conteggio) * kDrawRecordSize;
    // Another program may have changed the file since it was counted, or the
    // count failed: writing at the counted position would leave a hole of empty
    // draws in a shorter file and write over a stored draw in a longer one.
    // Only a fragment shorter than a record may lie there.
    if (prima < posizione) Cambiato(file, "meno");
    if (prima >= posizione + kDrawRecordSize) Cambiato(file, "più");
    WriteOrRestore(file, size, posizione, EncodeDraw(draw));
}

void SostituisciArchivio(const std::filesystem::path& file, const std::vector<DrawRecord>& draws) {
    std::string dati(draws.size() * kDrawRecordSize, '\0');
    for (std::size_t i = 0; i < draws.size(); ++i)
        EncodeDraw(draws[i], dati.data() + i * kDrawRecordSize);
    std::filesystem::path temporaneo = file;
    temporaneo += ".tmp";
    ReplaceWhole(file, temporaneo, dati);
}

}  // namespace ruotario
