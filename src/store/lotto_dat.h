#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "store/draw_record.h"

namespace ruotario {

inline constexpr const char* kMsgArchivioPieno =
    "L'archivio è pieno: non può contenere più di 32767 estrazioni.";

// The archive file itself, by path: whole 106-byte records numbered from 1.
// A trailing fragment shorter than a record is not a draw. Every write holds
// the folder's lock (BloccoCartella) and counts the file again under it.

// Whole records in the file (0 when it does not exist), from its size alone,
// however many there are.
std::int64_t ContaRecord(const std::filesystem::path& file);

// Refuses a missing archive: "L'archivio "<file>" non esiste."
void RichiediArchivio(const std::filesystem::path& file);
// Refuses an existing archive, which only --sovrascrivi may replace.
void RifiutaArchivioEsistente(const std::filesystem::path& file);

// The draws the program works with: the whole records of the file. A file of
// more than 32,767 records is refused, saying what it holds and the limit.
std::int16_t ContaArchivio(const std::filesystem::path& file);

// Records `primo` .. `primo + quanti - 1` with one read, as they lie in the
// file. Throws when the file does not hold them all.
std::string LeggiByte(const std::filesystem::path& file, std::int64_t primo, std::int64_t quanti);
// The same records, decoded.
std::vector<DrawRecord> LeggiRecord(const std::filesystem::path& file, std::int64_t primo,
                                    std::int64_t quanti);

// Appends `draws` after the last whole record the file holds now (a trailing
// fragment is overwritten), in one write flushed to disk; returns the record
// number of the first. A file that cannot take them all is refused whole. On
// failure the file is put back to its former length and the error rethrown.
std::int64_t AccodaRecord(const std::filesystem::path& file, const std::vector<DrawRecord>& draws);

// Replaces the whole file with `draws`; an existing file only when
// `sovrascrivi`. The old file stays whole until the new one is complete.
void SostituisciArchivio(const std::filesystem::path& file, const std::vector<DrawRecord>& draws,
                         bool sovrascrivi);

// What an update from the official text did.
struct Aggiornamento {
    std::int64_t Aggiunte = 0;  // draws appended
    std::int64_t Assenti = 0;   // draws of the text not after the last one, missing in the archive
};

// Appends the draws of `storico` dated after the archive's last draw; those
// the archive already holds must agree with it, or nothing is written.
Aggiornamento AggiornaArchivio(const std::filesystem::path& file,
                               const std::vector<DrawRecord>& storico);

}  // namespace ruotario
