#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "store/draw_record.h"

namespace ruotario {

// The state every window shares: the draw cursor, the archive count, the wheel
// codes, the entry flag and the hand-over from the series window to the
// analysis. One instance for the process; tests start from a clean one with
// ResetModule1().
struct Module1State {
    DrawRecord CurrentDraw;
    // The record LeggiEstrazione reads; wide, so a count of 32,767 plus one fits.
    std::int32_t CurrentDrawIndex = 0;
    std::int16_t DrawCount = 0;
    std::array<std::string, kRuote + 1> WheelCode;  // 1..10
    std::uint8_t EntryPending = 0;
    int ArchiveMode = 0;

    std::string SeriesText;
    std::array<std::int16_t, 21> SeriesNumbers{};  // 1..20, 0 after the last number
    std::int16_t RangeStart = 0;
    std::int16_t RangeEnd = 0;
};

Module1State& Module1();
void ResetModule1();

// "Lotto.dat" in the program's folder.
std::filesystem::path LottoDatPath();

// Fills WheelCode(1..10) with "BA" .. "VE".
void CaricaRuote();

// Counts the whole records of the archive into DrawCount and CurrentDrawIndex,
// creating an empty archive when there is none. A file of more than 32,767
// draws is refused with a message; a count that fails leaves 0.
void ContaEstrazioni();

// Reads record CurrentDrawIndex into CurrentDraw.
void LeggiEstrazione();

// Appends CurrentDraw after the last draw the archive holds (record
// DrawCount + 1 when no other program has added one since the count).
// DrawCount itself changes only at the next count. Refuses a full archive
// with kMsgArchivioPieno.
void AccodaEstrazione();

}  // namespace ruotario
