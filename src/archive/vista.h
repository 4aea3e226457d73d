#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "archive/celle.h"
#include "archive/superenalotto.h"
#include "store/draw_record.h"
#include "store/numerazione.h"

namespace ruotario {

// What the draw grid shows of one stored draw.
struct VistaEstrazione {
    // Day, month, year as plain numbers (7, 1, 1871).
    std::array<std::string, 3> Data;
    // " sab": a space and the weekday's first three letters; empty when the
    // record's date is not a real one (a damaged file).
    std::string CellaGiorno;
    // Each number, or "-" where the wheel has none (0 or below).
    CelleRuote Numeri;
};

VistaEstrazione VistaDi(const DrawRecord& draw);

// Everything the archive window shows for record `record`, without a window:
// the grid, the Super Enalotto derived from the grid's cells, and the draw's
// numbers within its month and year.
struct SchedaEstrazione {
    std::int64_t Record = 0;
    VistaEstrazione Vista;
    SuperEnalotto Super;
    Numerazione Numeri;
};

SchedaEstrazione SchedaDi(const std::filesystem::path& file, std::int64_t record);

// The draw typed into the grid, ready to be archived: the date from the three
// date lists' texts and the fifty cells. Nothing when it cannot be archived: a
// date that is not real, a cell that is empty or not 1 to 90, or a number
// twice on one wheel (the same number on two wheels is fine).
std::optional<DrawRecord> ComponiEstrazione(const std::array<std::string, 3>& data,
                                            const CelleRuote& celle);

}  // namespace ruotario
