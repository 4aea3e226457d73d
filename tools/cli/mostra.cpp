// mostra: one draw as the archive window shows it, one line per item.
#include <iostream>
#include <limits>

#include "archive/vista.h"
#include "cli.h"
#include "store/archivio.h"
#include "store/draw_record.h"
#include "store/errore.h"
#include "store/io.h"

namespace ruotario::cli {
namespace {

void Riga(const std::string& nome, const auto& celle) {
    std::cout << nome;
    for (const auto& cella : celle)
        std::cout << '\t' << cella;
    std::cout << '\n';
}

}  // namespace

int Mostra(Argomenti argomenti) {
    auto archivio = PercorsoArchivio(argomenti);
    auto restanti = argomenti.Restanti();
    if (restanti.size() != 1) throw ErroreUso("mostra vuole il numero dell'estrazione");
    long numero = Numero(restanti.front(), std::numeric_limits<long>::min(),
                         std::numeric_limits<long>::max(), "numero dell'estrazione");
    if (!Io().Size(archivio)) throw Errore("L'archivio \"" + archivio.string() + "\" non esiste.");
    std::int64_t conteggio = std::min<std::int64_t>(ContaRecord(archivio), kMaxEstrazioni);
    if (numero < 1 || numero > conteggio)
        throw Errore("L'estrazione " + std::to_string(numero) + " non esiste: l'archivio \"" +
                     archivio.string() + "\" contiene " + std::to_string(conteggio) +
                     " estrazioni.");

    const SchedaEstrazione scheda = SchedaDi(archivio, numero);
    const VistaEstrazione& vista = scheda.Vista;
    std::cout << "Estrazione\t" << scheda.Record << '\n';
    Riga("Data", std::array<std::string, 4>{vista.Data[0], vista.Data[1], vista.Data[2],
                                            vista.CellaGiorno});
    std::cout << "Annuale\t" << scheda.Numeri.Annuale << '\n';
    std::cout << "Mensile\t" << scheda.Numeri.Mensile << '\n';
    for (int w = 1; w <= kRuote; ++w)
        Riga(std::string(NomeRuota(w)), vista.Numeri[w - 1]);
    Riga("Super Enalotto", scheda.Super.Sei);
    std::cout << "Jolly\t" << scheda.Super.Jolly << '\n';
    std::cout << "Rossi";
    for (auto [r, c] : scheda.Super.Rossi)
        std::cout << '\t' << r << ',' << c;
    std::cout << '\n';
    return 0;
}

}  // namespace ruotario::cli
