// analizza, serie: the delay analysis and the series archive, printed as the
// windows show them.
#include <iostream>

#include "analysis/analisi.h"
#include "analysis/tabella.h"
#include "cli.h"
#include "series/archivio_serie.h"
#include "store/archivio.h"
#include "store/draw_record.h"
#include "store/errore.h"
#include "store/io.h"

namespace ruotario::cli {
namespace {

// "5,17,33": 1 to 20 numbers from 1 to 90.
std::vector<int> LeggiNumeri(const std::string& testo) {
    if (testo.empty())
        throw ErroreUso("indicare la serie con --serie, per esempio --serie 5,17,33");
    std::vector<int> numeri;
    std::size_t inizio = 0;
    while (true) {
        std::size_t virgola = testo.find(',', inizio);
        std::string parte = testo.substr(inizio, virgola - inizio);
        numeri.push_back(static_cast<int>(Numero(parte, 1, 90, "numero della serie")));
        if (virgola == std::string::npos) break;
        inizio = virgola + 1;
    }
    if (numeri.size() > kMaxNumeriSerie)
        throw ErroreUso("una serie contiene al massimo 20 numeri, indicati " +
                        std::to_string(numeri.size()));
    return numeri;
}

}  // namespace

int AnalizzaSerie(Argomenti argomenti) {
    auto archivio = PercorsoArchivio(argomenti);
    std::string serie = argomenti.Opzione("--serie");
    std::string da = argomenti.Opzione("--da");
    std::string a = argomenti.Opzione("--a");
    if (!argomenti.Restanti().empty()) throw ErroreUso("argomenti in più per analizza");
    auto numeri = LeggiNumeri(serie);
    if (!Io().Size(archivio)) throw Errore("L'archivio \"" + archivio.string() + "\" non esiste.");

    std::int64_t conteggio = std::min<std::int64_t>(ContaRecord(archivio), kMaxEstrazioni);
    if (conteggio < 1) throw ErroreUso("l'archivio non contiene estrazioni da analizzare");
    // The series window's default: 181 draws, ending at the last one or at --a.
    long fine = a.empty() ? conteggio : Numero(a, 1, conteggio, "fine dell'intervallo");
    long inizio = da.empty() ? std::max<long>(1, fine - 180)
                             : Numero(da, 1, conteggio, "inizio dell'intervallo");
    if (inizio > fine)
        throw ErroreUso("intervallo rovesciato: l'inizio " + std::to_string(inizio) +
                        " viene dopo la fine " + std::to_string(fine));
    std::cout << TabellaRisultati(AnalizzaArchivio(archivio, inizio, fine, numeri)).TestoTabulato();
    return 0;
}

int ElencoSerie(Argomenti argomenti) {
    std::string file = argomenti.Opzione("--file");
    if (!argomenti.Restanti().empty()) throw ErroreUso("argomenti in più per serie");
    auto percorso = file.empty() ? SeriePath() : std::filesystem::path(file);
    for (const std::string& voce : VociSerie(LeggiSerie(percorso)))
        std::cout << voce << '\n';
    return 0;
}

}  // namespace ruotario::cli
