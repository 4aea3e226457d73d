#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace ruotario::bench {

// Twenty numbers spread over 1..90, the largest series the program analyses.
const std::vector<int>& Venti();

// The analysis step by step as a record-by-record program runs it: the
// backward scan re-reads the records of each number and wheel, the forward
// scan reads each draw, each with its own read call into the shared draw, and
// compares every series number with every position. `passo` comes at every
// step, one per number and one per draw, as the program's own does.
std::int64_t AnalisiLetterale(const std::filesystem::path& file, int inizio, int fine,
                              const std::vector<int>& numeri,
                              const std::function<void()>& passo = {});

}  // namespace ruotario::bench
