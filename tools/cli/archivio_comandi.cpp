// importa, aggiorna, esporta, conta: the archive file and the official
// historical text.
#include <memory>

#include "cli.h"
#include "store/lotto_dat.h"
#include "store/errore.h"
#include "store/io.h"
#include "store/storico.h"

namespace ruotario::cli {
namespace {

const std::string kDescrizioneStorico =
    "Storico ufficiale (file, pipe, FIFO; - per lo standard input), letti nell'ordine dato";

// The STORICO... arguments of importa and aggiorna.
std::shared_ptr<std::vector<std::string>> AggiungiStorici(CLI::App& comando) {
    auto nomi = std::make_shared<std::vector<std::string>>();
    comando.add_option("STORICO", *nomi, kDescrizioneStorico);
    return nomi;
}

void RichiediStorici(const std::vector<std::string>& nomi, const std::string& azione) {
    if (nomi.empty())
        throw ErroreUso("indicare almeno un file dello storico " + azione +
                        " (- per lo standard input)");
}

// Every input read to its end; a draw of none of them leaves the archive alone.
std::vector<DrawRecord> LeggiStorici(const std::vector<std::string>& nomi) {
    std::vector<TestoStorico> files;
    std::string elenco;
    for (const std::string& nome : nomi) {
        files.push_back({nome == "-" ? "standard input" : nome, Io().ReadStream(nome)});
        elenco += (elenco.empty() ? "\"" : ", \"") + files.back().nome + "\"";
    }
    auto draws = ImportaStorico(files);
    if (draws.empty())
        throw Errore("Nessuna estrazione in " + elenco + ": l'archivio non è stato modificato.");
    return draws;
}

// A note, not an error: draws kept in the order given though their dates go
// backwards, as the archive window may have saved them.
void AvvisaDate(const std::vector<DrawRecord>& draws) {
    constexpr std::size_t kMostrate = 5;
    const auto record = DateNonCrescenti(draws);
    if (record.empty()) return;
    std::string elenco;
    for (std::size_t i = 0; i < record.size() && i < kMostrate; ++i)
        elenco += (i ? ", " : "") + std::to_string(record[i]);
    if (record.size() == kMostrate + 1) elenco += " e un'altra";
    if (record.size() > kMostrate + 1)
        elenco += " e altre " + std::to_string(record.size() - kMostrate);
    Avvisa("attenzione: " +
           Quantita(static_cast<std::int64_t>(record.size()), "estrazione ha", "estrazioni hanno") +
           " una data non successiva a quella dell'estrazione precedente: n. " + elenco + ".");
}

}  // namespace

Comando Importa(CLI::App& programma) {
    CLI::App* riga = NuovoComando(programma, "importa",
                                  "Crea l'archivio dalle estrazioni dello storico ufficiale");
    auto* sovrascrivi =
        AggiungiSegnale(*riga, "--sovrascrivi", "Sostituisce l'archivio se esiste già");
    auto* archivio = AggiungiArchivio(*riga);
    auto nomi = AggiungiStorici(*riga);
    return {riga, [=] {
                RichiediStorici(*nomi, "da importare");
                const auto file = PercorsoArchivio(archivio);
                const bool sostituisci = sovrascrivi->count() > 0;
                // Refused before reading: the standard input is not consumed for nothing.
                if (!sostituisci) RifiutaArchivioEsistente(file);
                const auto draws = LeggiStorici(*nomi);
                SostituisciArchivio(file, draws, sostituisci);
                const auto n = static_cast<std::int64_t>(draws.size());
                Scrivi((n == 1 ? "Importata " : "Importate ") +
                       Quantita(n, "estrazione", "estrazioni") + " in \"" + file.string() +
                       "\".\n");
                AvvisaDate(draws);
            }};
}

Comando Aggiorna(CLI::App& programma) {
    CLI::App* riga =
        NuovoComando(programma, "aggiorna",
                     "Aggiunge le estrazioni dello storico successive all'ultima dell'archivio");
    auto* archivio = AggiungiArchivio(*riga);
    auto nomi = AggiungiStorici(*riga);
    return {riga, [=] {
                RichiediStorici(*nomi, "da aggiungere");
                const auto file = PercorsoArchivio(archivio);
                RichiediArchivio(file);
                const auto esito = AggiornaArchivio(file, LeggiStorici(*nomi));
                const auto n = esito.Aggiunte;
                Scrivi(n == 0
                           ? "Nessuna estrazione nuova da aggiungere a \"" + file.string() + "\".\n"
                           : (n == 1 ? "Aggiunta " : "Aggiunte ") +
                                 Quantita(n, "estrazione", "estrazioni") + " a \"" + file.string() +
                                 "\".\n");
                const auto assenti = esito.Assenti;
                if (assenti > 0)
                    Avvisa("attenzione: " +
                           Quantita(assenti, "estrazione dello storico manca",
                                    "estrazioni dello storico mancano") +
                           " nell'archivio ma non " +
                           (assenti == 1 ? "è stata aggiunta" : "sono state aggiunte") +
                           ": la data non è successiva all'ultima dell'archivio.");
            }};
}

Comando Esporta(CLI::App& programma) {
    CLI::App* riga =
        NuovoComando(programma, "esporta",
                     "Scrive l'archivio come storico ufficiale, anche oltre le 32767 estrazioni");
    auto* archivio = AggiungiArchivio(*riga);
    return {riga, [=] {
                const auto file = PercorsoArchivio(archivio);
                RichiediArchivio(file);
                Scrivi(EsportaStorico(LeggiRecord(file, 1, ContaRecord(file))));
            }};
}

Comando Conta(CLI::App& programma) {
    CLI::App* riga = NuovoComando(programma, "conta", "Scrive quante estrazioni ha l'archivio");
    auto* archivio = AggiungiArchivio(*riga);
    return {riga, [=] {
                const auto file = PercorsoArchivio(archivio);
                RichiediArchivio(file);
                Scrivi(std::to_string(ContaArchivio(file)) + "\n");
            }};
}

}  // namespace ruotario::cli
