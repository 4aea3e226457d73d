#pragma once

#include <cstdint>
#include <filesystem>

#include "store/draw_record.h"

namespace ruotario {

// A draw's ordinal numbers, found by walking back through the archive from
// the draw itself: its place among the draws of its month (the month compared
// alone, the year not) and among the draws of its year. Both walks start at
// the draw, so both numbers are at least 1.
struct Numerazione {
    std::int64_t Mensile = 0;
    std::int64_t Annuale = 0;
    // Where the yearly walk leaves the draw cursor: the record of another year
    // it stopped on, or 0 when it ran down to the first record; and the record
    // it read last (that one, or record 1).
    std::int64_t Cursore = 0;
    DrawRecord UltimoLetto;
};

// Numbers record `record` (1 .. the records of the file). The records are read
// backwards in a few growing chunks, one read each, never one read per draw.
Numerazione NumeraEstrazione(const std::filesystem::path& file, std::int64_t record);

}  // namespace ruotario
