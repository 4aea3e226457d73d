#include "store/numerazione.h"

#include <algorithm>
#include <vector>

#include "store/lotto_dat.h"

namespace ruotario {
namespace {

// A year of three draws a week fits in the first chunk.
constexpr std::int64_t kPrimoBlocco = 256;

// The records up to `ultimo`, read from the end backwards on demand.
class LetturaAllaRovescia {
  public:
    LetturaAllaRovescia(const std::filesystem::path& file, std::int64_t ultimo)
        : file_(file), ultimo_(ultimo), primo_(ultimo + 1) {}

    const DrawRecord& Record(std::int64_t n) {
        if (n < primo_) Estendi(n);
        return blocco_[static_cast<std::size_t>(n - primo_)];
    }

  private:
    // Reads at least down to record `n`, doubling what is held each time.
    void Estendi(std::int64_t n) {
        std::int64_t tenuti = ultimo_ - primo_ + 1;
        std::int64_t nuovoPrimo =
            std::max<std::int64_t>(1, std::min(n, primo_ - std::max(kPrimoBlocco, tenuti)));
        std::vector<DrawRecord> letti = LeggiRecord(file_, nuovoPrimo, primo_ - nuovoPrimo);
        letti.insert(letti.end(), blocco_.begin(), blocco_.end());
        blocco_ = std::move(letti);
        primo_ = nuovoPrimo;
    }

    std::filesystem::path file_;
    std::int64_t ultimo_;
    std::int64_t primo_;
    std::vector<DrawRecord> blocco_;
};

}  // namespace

Numerazione NumeraEstrazione(const std::filesystem::path& file, std::int64_t record) {
    LetturaAllaRovescia lettura(file, record);
    const DrawRecord estrazione = lettura.Record(record);
    Numerazione numeri;
    for (std::int64_t n = record; n >= 1 && lettura.Record(n).Month == estrazione.Month; --n)
        ++numeri.Mensile;
    for (std::int64_t n = record; n >= 1 && lettura.Record(n).Year == estrazione.Year; --n)
        ++numeri.Annuale;
    numeri.Cursore = record - numeri.Annuale;
    numeri.UltimoLetto = lettura.Record(std::max<std::int64_t>(numeri.Cursore, 1));
    return numeri;
}

}  // namespace ruotario
