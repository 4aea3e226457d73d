#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/numeri_serie.h"

namespace ruotario {

constexpr std::size_t kSeriesRecordSize = 40;

// What the series list shows when the archive holds no series.
inline constexpr const char* kSerieSegnaposto = "  Non ci sono Serie da Visualizzare ";

// One stored series: twenty signed 16-bit slots, little-endian, the numbers in
// the order they were picked and 0 after the last one. The series ends at its
// first 0, whatever follows it.
struct SeriesRecord {
    std::array<std::int16_t, kMaxNumeriSerie> Slot{};  // slot n at index n - 1

    // The numbers up to the first empty slot.
    std::vector<int> Numeri() const;
    bool operator==(const SeriesRecord&) const = default;
};

std::string EncodeSerie(const SeriesRecord& serie);
SeriesRecord DecodeSerie(const char* in);

// "Serie" in the program's folder.
std::filesystem::path SeriePath();

// The text that lists record `record`: "-" and each number in a field of two
// characters, then "    S_" and the record number ("-5 -12-47    S_3").
std::string SeriesEntry(const SeriesRecord& serie, std::int64_t record);

// Every whole record of `file`, read with one call; none when it is missing.
// A trailing fragment shorter than a record is not a series.
std::vector<SeriesRecord> LeggiSerie(const std::filesystem::path& file);

// The lines of the series list: one entry per record, in record order, or the
// placeholder alone when there is none.
std::vector<std::string> VociSerie(const std::vector<SeriesRecord>& serie);

// The operations on a series file. Each holds the folder's lock, reads the
// file again under it, and either completes or leaves the file as it was;
// failures throw Errore with an Italian message.

// Every stored series; a missing file is created empty.
std::vector<SeriesRecord> ElencaSerie(const std::filesystem::path& file);
// Appends `numeri` (checked as the series window checks them) right after the
// last whole record; returns its record number.
std::int64_t AccodaSerie(const std::filesystem::path& file, const std::vector<int>& numeri);
// Removes record `record`; the records after it move up one place. With
// `attesa`, only when the record still holds that series (the one the list
// showed). The file is rewritten whole, or removed with its last series.
void EliminaSerie(const std::filesystem::path& file, std::int64_t record,
                  const std::optional<SeriesRecord>& attesa = std::nullopt);
// Removes every series (the file itself). With `attese`, only when the file
// still holds exactly those (the ones the list showed).
void SvuotaSerie(const std::filesystem::path& file,
                 const std::optional<std::vector<SeriesRecord>>& attese = std::nullopt);

// The numbers of a listed series read back from its text: digits make a
// number, any run of other characters separates two, and the text ends at "S",
// "R" or two spaces. At most 20 numbers; slots after the last one are 0.
std::array<std::int16_t, kMaxNumeriSerie + 1> NumeriDaVoce(const std::string& testo);

// The numbers a stored record holds when one of them lies outside 1..90,
// which its two-character listing hides: the analysis is then handed these,
// and refuses them, rather than the other numbers the listing reads back.
std::optional<std::array<std::int16_t, kMaxNumeriSerie + 1>> NumeriFuoriIntervallo(
    const SeriesRecord& serie);

}  // namespace ruotario
