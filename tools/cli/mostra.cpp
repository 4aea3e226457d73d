// mostra: one draw as the archive window shows it, one line per item.
#include <memory>
#include <sstream>

#include "archive/vista.h"
#include "cli.h"
#include "store/lotto_dat.h"
#include "store/draw_record.h"
#include "store/errore.h"

namespace ruotario::cli {
namespace {

void Riga(std::ostream& testo, const std::string& nome, const auto& celle) {
    testo << nome;
    for (const auto& cella : celle)
        testo << '\t' << cella;
    testo << '\n';
}

std::string Scheda(const SchedaEstrazione& scheda) {
    std::ostringstream testo;
    const VistaEstrazione& vista = scheda.Vista;
    testo << "Estrazione\t" << scheda.Record << '\n';
    Riga(
        testo, "Data",
        std::array<std::string, 4>{vista.Data[0], vista.Data[1], vista.Data[2], vista.CellaGiorno});
    testo << "Annuale\t" << scheda.Numeri.Annuale << '\n';
    testo << "Mensile\t" << scheda.Numeri.Mensile << '\n';
    for (int w = 1; w <= kRuote; ++w)
        Riga(testo, std::string(NomeRuota(w)), vista.Numeri[w - 1]);
    Riga(testo, "Super Enalotto", scheda.Super.Sei);
    testo << "Jolly\t" << scheda.Super.Jolly << '\n';
    testo << "Rossi";
    for (auto [r, c] : scheda.Super.Rossi)
        testo << '\t' << r << ',' << c;
    testo << '\n';
    return testo.str();
}

}  // namespace

Comando Mostra(CLI::App& programma) {
    CLI::App* riga =
        NuovoComando(programma, "mostra", "Mostra un'estrazione come la finestra dell'archivio");
    auto* archivio = AggiungiArchivio(*riga);
    auto* numero = AggiungiArgomento(*riga, "N", "Il numero dell'estrazione, da 1");
    return {riga, [=] {
                const auto file = PercorsoArchivio(archivio);
                const auto testo = Valore(numero);
                if (!testo) throw ErroreUso("indicare il numero dell'estrazione da mostrare");
                RichiediArchivio(file);
                const std::int64_t conteggio = ContaArchivio(file);
                if (conteggio == 0)
                    throw Errore("L'archivio \"" + file.string() + "\" non contiene estrazioni.");
                Scrivi(Scheda(
                    SchedaDi(file, Numero(*testo, 1, conteggio,
                                          "il numero dell'estrazione deve essere compreso"))));
            }};
}

}  // namespace ruotario::cli
