// analizza, serie: the delay analysis and the series archive, as the series
// window computes and lists them.
#include <algorithm>

#include "analysis/analisi.h"
#include "analysis/tabella.h"
#include "cli.h"
#include "series/file_serie.h"
#include "store/lotto_dat.h"
#include "store/errore.h"
#include "store/io.h"

namespace ruotario::cli {

Comando Analizza(CLI::App& programma) {
    CLI::App* riga = NuovoComando(programma, "analizza",
                                  "Analizza i ritardi di una serie come la finestra delle serie");
    auto* serie = AggiungiOpzione(*riga, "--serie", "N,N,...",
                                  "La serie, obbligatoria: da 1 a 20 numeri da 1 a 90 diversi, "
                                  "separati da virgole");
    auto* da = AggiungiOpzione(*riga, "--da", "N",
                               "Prima estrazione analizzata (predefinita: 180 prima della fine)");
    auto* a = AggiungiOpzione(*riga, "--a", "M",
                              "Ultima estrazione analizzata (predefinita: l'ultima dell'archivio)");
    auto* archivio = AggiungiArchivio(*riga);
    return {
        riga, [=] {
            const auto testo = Valore(serie);
            if (!testo)
                throw ErroreUso("indicare la serie con --serie, per esempio --serie 5,17,33");
            const auto numeri = NumeriSerie(*testo);
            const auto file = PercorsoArchivio(archivio);
            RichiediArchivio(file);
            const std::int64_t conteggio = ContaArchivio(file);
            if (conteggio == 0)
                throw Errore("L'archivio \"" + file.string() +
                             "\" non contiene estrazioni da analizzare.");
            // The series window's default: 181 draws, ending at the last one or at --a.
            const auto fine = Valore(a)
                                  ? Numero(*Valore(a), 1, conteggio,
                                           "la fine dell'intervallo (--a) deve essere compresa")
                                  : conteggio;
            const auto inizio = Valore(da)
                                    ? Numero(*Valore(da), 1, conteggio,
                                             "l'inizio dell'intervallo (--da) deve essere compreso")
                                    : std::max<std::int64_t>(1, fine - 180);
            if (inizio > fine)
                throw ErroreUso("intervallo rovesciato: l'inizio " + std::to_string(inizio) +
                                " viene dopo la fine " + std::to_string(fine));
            Scrivi(TabellaRisultati(AnalizzaArchivio(file, inizio, fine, numeri)).TestoTabulato());
        }};
}

Comando Serie(CLI::App& programma) {
    CLI::App* riga =
        NuovoComando(programma, "serie",
                     "Elenca le serie memorizzate come la finestra delle serie, o le modifica");
    auto* file =
        AggiungiOpzione(*riga, "--file", "FILE",
                        "Il file delle serie (predefinito: Serie nella cartella dei dati)");
    auto* aggiungi = AggiungiOpzione(*riga, "--aggiungi", "N,N,...",
                                     "Memorizza una nuova serie in fondo all'elenco");
    auto* elimina = AggiungiOpzione(*riga, "--elimina", "K",
                                    "Elimina la serie S_K: le seguenti salgono di un posto");
    auto* svuota = AggiungiSegnale(*riga, "--svuota", "Elimina tutte le serie");
    return {
        riga, [=] {
            std::vector<std::string> azioni;
            for (const CLI::Option* azione : {aggiungi, elimina, svuota})
                if (azione->count() > 0) azioni.push_back(azione->get_name());
            if (azioni.size() > 1)
                throw ErroreUso("le opzioni " + azioni[0] + " e " + azioni[1] +
                                " non si possono usare insieme");
            const auto percorso = PercorsoSerie(file);
            if (Valore(aggiungi)) {
                const auto numeri = NumeriSerie(*Valore(aggiungi));
                Scrivi("Serie salvata come S_" + std::to_string(AccodaSerie(percorso, numeri)) +
                       ".\n");
            } else if (Valore(elimina)) {
                const auto quante = static_cast<std::int64_t>(LeggiSerie(percorso).size());
                if (quante == 0)
                    throw Errore("Il file delle serie \"" + percorso.string() +
                                 "\" non contiene serie da eliminare.");
                const auto record =
                    Numero(*Valore(elimina), 1, quante,
                           "il numero della serie da eliminare deve essere compreso");
                EliminaSerie(percorso, record);
                ElencaSerie(percorso);  // as the window lists them again: the file stays
                Scrivi("Serie S_" + std::to_string(record) + " eliminata.\n");
            } else if (svuota->count() > 0) {
                const auto quante = static_cast<std::int64_t>(LeggiSerie(percorso).size());
                SvuotaSerie(percorso);
                ElencaSerie(percorso);
                Scrivi(quante == 0 ? "Nessuna serie da eliminare.\n"
                                   : (quante == 1 ? "Eliminata " : "Eliminate ") +
                                         Quantita(quante, "serie", "serie") + ".\n");
            } else {
                if (Valore(file) && !Io().Size(percorso))
                    throw Errore("Il file delle serie \"" + percorso.string() + "\" non esiste.");
                std::string elenco;
                for (const std::string& voce : VociSerie(LeggiSerie(percorso)))
                    elenco += voce + '\n';
                Scrivi(elenco);
            }
        }};
}

}  // namespace ruotario::cli
