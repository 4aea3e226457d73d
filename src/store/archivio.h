#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "store/draw_record.h"

namespace ruotario {

inline constexpr const char* kMsgArchivioPieno =
    "L'archivio è pieno: non può contenere più di 32767 estrazioni.";
inline constexpr const char* kMsgArchivioTroppoGrande =
    "L'archivio contiene più di 32767 estrazioni: vengono usate le prime 32767.";

// The archive file itself, by path: whole 106-byte records numbered from 1.
// A trailing fragment shorter than a record is not a draw.

// Whole records in the file (0 when it does not exist), from its size alone.
std::int64_t ContaRecord(const std::filesystem::path& file);

// Records `primo` .. `primo + quanti - 1` with one read. Throws when the file
// does not hold them all.
std::vector<DrawRecord> LeggiRecord(const std::filesystem::path& file, std::int64_t primo,
                                    std::int64_t quanti);

// Writes `draw` as record `conteggio + 1`, that is at byte `conteggio` x 106,
// in one call flushed to disk; whatever lay there (a fragment) is overwritten.
// A file that no longer holds `conteggio` whole records is left alone.
// On failure the file is put back to its former length and the error rethrown.
void AccodaRecord(const std::filesystem::path& file, const DrawRecord& draw,
                  std::int64_t conteggio);

// Replaces the whole file: writes a temporary file beside it, flushes it and
// renames it over the old one, so a failure leaves the old file untouched.
void SostituisciArchivio(const std::filesystem::path& file, const std::vector<DrawRecord>& draws);

}  // namespace ruotario
