// An archive file of any bytes and any length, read as the archive window and
// `ruotario-cli mostra` read it: counting, the display of a draw with its
// Super Enalotto, and its numbering within month and year. Never a crash; the
// numbers are always at least 1 and never more than the records walked.
#include "archive/vista.h"
#include "fuzz/comune.h"
#include "store/errore.h"
#include "store/lotto_dat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    using namespace ruotario;
    const auto file =
        Scrivi("Lotto.dat", std::string(reinterpret_cast<const char*>(dati), dimensione));
    const std::int64_t record = ContaRecord(file);
    Verifica(record == static_cast<std::int64_t>(dimensione / kDrawRecordSize));
    for (std::int64_t r : {std::int64_t{1}, record / 2, record}) {
        if (r < 1 || r > record) continue;
        const SchedaEstrazione scheda = SchedaDi(file, r);
        Verifica(scheda.Record == r);
        Verifica(scheda.Numeri.Mensile >= 1 && scheda.Numeri.Mensile <= r);
        Verifica(scheda.Numeri.Annuale >= 1 && scheda.Numeri.Annuale <= r);
        Verifica(scheda.Super.Incompleto ? scheda.Super.Jolly == " - "
                                         : !scheda.Super.Jolly.empty());
        for (const auto& ruota : scheda.Vista.Numeri)
            for (const std::string& cella : ruota)
                Verifica(!cella.empty());
    }
    // Past the last whole record there is nothing to read.
    try {
        LeggiRecord(file, record + 1, 1);
        Verifica(false);
    } catch (const Errore&) {
    }
    return 0;
}
