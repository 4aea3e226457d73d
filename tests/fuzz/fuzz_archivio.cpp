// An archive file of any bytes and any length, read as the archive window and
// `ruotario-cli mostra` read it: counting, the display of a draw with its
// Super Enalotto, and its numbering within month and year. Never a crash; the
// numbers are always at least 1 and never more than the records walked.
#include <algorithm>

#include "archive/vista.h"
#include "fuzz/comune.h"
#include "store/lotto_dat.h"

void ruotario::Prova(const std::string& byte) {
    const auto file = Scrivi("Lotto.dat", byte);
    const std::int64_t record = ContaRecord(file);
    Verifica(record == static_cast<std::int64_t>(byte.size() / kDrawRecordSize));
    if (record == 0) return;
    // The last record, numbered after walking them all.
    const SchedaEstrazione s = SchedaDi(file, record);
    Verifica(s.Record == record && s.Numeri.Mensile >= 1 && s.Numeri.Mensile <= record &&
             s.Numeri.Annuale >= 1 && s.Numeri.Annuale <= record);
    Verifica(s.Super.Incompleto ? s.Super.Jolly == " - " : !s.Super.Jolly.empty());
    for (const auto& ruota : s.Vista.Numeri)
        Verifica(std::ranges::none_of(ruota, [](const std::string& c) { return c.empty(); }));
}
