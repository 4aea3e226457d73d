#include "cli.h"

#include <cerrno>
#include <charconv>
#include <cstdio>

#include "series/file_serie.h"
#include "store/cartella_dati.h"
#include "store/errore.h"
#include "store/module1.h"
#include "store/numeri_serie.h"

namespace ruotario::cli {
namespace {

// What CLI11 records for an option given without its value, a byte nobody
// types, so that "--archivio" at the end differs from --archivio "".
const std::string kSenzaValore = "\x01";

bool Segnale(const CLI::Option* opzione) {
    return opzione->get_expected_max() == 0;
}

[[noreturn]] void ScritturaFallita(int codice) {
    throw Errore("impossibile scrivere il risultato: " + MotivoDiSistema(codice ? codice : EIO));
}

}  // namespace

Formato::Formato() {
    label("Usage", "Uso");
    label("OPTIONS", "OPZIONI");
    label("SUBCOMMAND", "COMANDO");
    label("SUBCOMMANDS", "COMANDI");
    label("Positionals", "Argomenti");
    label("REQUIRED", "OBBLIGATORIO");
    label("Needs", "Richiede");
    label("Excludes", "Esclude");
    label("Env", "Variabile");
    column_width(30);
}

std::string Formato::make_usage(const CLI::App* app, std::string nome) const {
    std::string uso = get_label("Usage") + ": " + nome;
    if (!app->get_options([](const CLI::Option* o) { return o->nonpositional(); }).empty())
        uso += " [" + get_label("OPTIONS") + "]";
    for (const CLI::Option* o :
         app->get_options([](const CLI::Option* o) { return o->get_positional(); }))
        uso += " " + make_option_usage(o);
    if (!app->get_subcommands({}).empty()) uso += " " + get_label("SUBCOMMAND");
    return uso + "\n";
}

// Every argument a command declares is needed, so none is shown in brackets.
std::string Formato::make_option_usage(const CLI::Option* opzione) const {
    return opzione->get_name(true, false) + (opzione->get_items_expected_max() > 1 ? "..." : "");
}

// The value's name only ("FILE", "N"): no CLI11 type names, no defaults.
std::string Formato::make_option_opts(const CLI::Option* opzione) const {
    if (opzione->get_positional() || opzione->get_option_text().empty()) return {};
    return " " + opzione->get_option_text();
}

CLI::App* NuovoComando(CLI::App& programma, const std::string& nome,
                       const std::string& descrizione) {
    CLI::App* comando = programma.add_subcommand(nome, descrizione);
    comando->group("Comandi");
    comando->allow_extras();
    comando->get_help_ptr()->group(programma.get_help_ptr()->get_group());
    return comando;
}

CLI::Option* AggiungiOpzione(CLI::App& comando, const std::string& nome, const std::string& tipo,
                             const std::string& descrizione) {
    return comando.add_option(nome, descrizione)
        ->expected(0, 1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->default_str(kSenzaValore)
        ->option_text(tipo);
}

CLI::Option* AggiungiSegnale(CLI::App& comando, const std::string& nome,
                             const std::string& descrizione) {
    return comando.add_flag(nome)->description(descrizione);
}

CLI::Option* AggiungiArgomento(CLI::App& comando, const std::string& nome,
                               const std::string& descrizione) {
    return comando.add_option(nome, descrizione);
}

CLI::Option* AggiungiArchivio(CLI::App& comando) {
    return AggiungiOpzione(comando, "--archivio", "FILE",
                           "L'archivio (predefinito: Lotto.dat nella cartella dei dati)");
}

void ControllaRiga(const CLI::App& comando) {
    for (const std::string& resto : comando.remaining()) {
        if (resto == "--") continue;
        if (resto.size() > 1 && resto[0] == '-')
            throw ErroreUso("opzione sconosciuta \"" + resto + "\"");
        throw ErroreUso("argomento in più \"" + resto + "\"");
    }
    for (const CLI::Option* opzione : comando.get_options()) {
        if (opzione->get_positional()) continue;
        const std::string nome = opzione->get_name();
        if (opzione->count() > 1)
            throw ErroreUso("l'opzione " + nome + " è indicata più di una volta");
        for (const std::string& valore : opzione->results()) {
            if (Segnale(opzione)) {
                if (valore != "true") throw ErroreUso("l'opzione " + nome + " non vuole un valore");
            } else if (valore == kSenzaValore) {
                throw ErroreUso("manca il valore dell'opzione " + nome);
            } else if (valore.empty()) {
                throw ErroreUso("l'opzione " + nome + " non può essere vuota");
            }
        }
    }
}

std::optional<std::string> Valore(const CLI::Option* opzione) {
    if (opzione->results().empty()) return std::nullopt;
    return opzione->results().front();
}

namespace {
std::filesystem::path cartellaProgramma;
}

void ImpostaCartellaProgramma(const std::filesystem::path& cartella) {
    cartellaProgramma = cartella;
}

// Chosen, created and given its first archive only when a command needs it.
void PreparaCartella() {
    if (AppDir().empty()) PreparaCartellaDati(AmbienteDelProcesso(cartellaProgramma));
}

std::filesystem::path PercorsoArchivio(const CLI::Option* archivio) {
    if (auto file = Valore(archivio)) return *file;
    PreparaCartella();
    return LottoDatPath();
}

std::filesystem::path PercorsoSerie(const CLI::Option* serie) {
    if (auto file = Valore(serie)) return *file;
    PreparaCartella();
    return SeriePath();
}

std::int64_t Numero(const std::string& testo, std::int64_t minimo, std::int64_t massimo,
                    const std::string& frase) {
    std::int64_t valore = 0;
    auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
    if (errore != std::errc() || fine != testo.data() + testo.size() || valore < minimo ||
        valore > massimo)
        throw ErroreUso(frase + " tra " + std::to_string(minimo) + " e " + std::to_string(massimo) +
                        ", non \"" + testo + "\"");
    return valore;
}

std::vector<int> NumeriSerie(const std::string& testo) {
    std::vector<int> numeri;
    std::size_t inizio = 0;
    while (true) {
        const std::size_t virgola = testo.find(',', inizio);
        const std::string parte = testo.substr(inizio, virgola - inizio);
        int numero = 0;
        auto [fine, errore] = std::from_chars(parte.data(), parte.data() + parte.size(), numero);
        if (errore == std::errc::result_out_of_range)
            throw ErroreUso("Serie non valida: il numero " + parte +
                            " è fuori dall'intervallo 1-90.");
        if (errore != std::errc() || fine != parte.data() + parte.size())
            throw ErroreUso("\"" + parte +
                            "\" non è un numero intero: la serie va indicata come 5,17,33");
        numeri.push_back(numero);
        if (virgola == std::string::npos) break;
        inizio = virgola + 1;
    }
    try {
        ControllaSerie(numeri);
    } catch (const Errore& errore) {
        throw ErroreUso(errore.what());
    }
    return numeri;
}

// Messages go to standard error; a failure to write them has nowhere to go.
void Avvisa(const std::string& testo) {
    std::fputs(("ruotario-cli: " + testo + "\n").c_str(), stderr);
}

void Scrivi(const std::string& testo) {
    errno = 0;
    if (!testo.empty() && std::fwrite(testo.data(), 1, testo.size(), stdout) != testo.size())
        ScritturaFallita(errno);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) ScritturaFallita(errno);
}

void ChiudiUscita() {
    errno = 0;
    if (std::fclose(stdout) != 0) ScritturaFallita(errno);
}

}  // namespace ruotario::cli
