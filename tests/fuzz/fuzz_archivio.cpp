// An archive file of any bytes and any length, read as the archive window and
// `ruotario-cli mostra` read it: counting, the display of a draw with its
// Super Enalotto, and its numbering within month and year. Never a crash; the
// numbers are always at least 1 and never more than the records walked.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "archive/vista.h"
#include "store/archivio.h"
#include "store/errore.h"

namespace {

void Verifica(bool condizione) {
    if (!condizione) __builtin_trap();
}

const std::filesystem::path& File() {
    static const std::filesystem::path file = [] {
        std::string modello =
            (std::filesystem::temp_directory_path() / "ruotario-fuzz-XXXXXX").string();
        if (!::mkdtemp(modello.data())) std::abort();
        return std::filesystem::path(modello) / "Lotto.dat";
    }();
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    using namespace ruotario;
    std::ofstream(File(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(dati), static_cast<std::streamsize>(dimensione));
    std::int64_t record = ContaRecord(File());
    Verifica(record == static_cast<std::int64_t>(dimensione / kDrawRecordSize));
    for (std::int64_t r : {std::int64_t{1}, record / 2, record}) {
        if (r < 1 || r > record) continue;
        SchedaEstrazione scheda = SchedaDi(File(), r);
        Verifica(scheda.Record == r);
        Verifica(scheda.Numeri.Mensile >= 1 && scheda.Numeri.Mensile <= r);
        Verifica(scheda.Numeri.Annuale >= 1 && scheda.Numeri.Annuale <= r);
        Verifica(scheda.Super.Incompleto ? scheda.Super.Jolly == " - "
                                         : !scheda.Super.Jolly.empty());
        for (const auto& ruota : scheda.Vista.Numeri)
            for (const std::string& cella : ruota)
                Verifica(!cella.empty());
    }
    try {
        LeggiRecord(File(), record + 1, 1);
        Verifica(false);
    } catch (const Errore&) {
        // Past the last whole record there is nothing to read.
    }
    return 0;
}
