// The store under several programs at once: writers racing for the same
// folder, writers killed half-way, a file that takes less than it is given.
// Every writer runs in a child process and reports to the test through a pipe.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "series/file_serie.h"
#include "store/blocco.h"
#include "store/errore.h"
#include "store/lotto_dat.h"
#include "store/module1.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

using prova::Fallimento;

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using prova::CartellaProva;
using prova::LeggiBytes;
using prova::ScriviBytes;

// A child process and the pipe it reports on.
struct Figlio {
    pid_t pid;
    int canale;
};

// Runs `corpo` in a child that reports by writing to the descriptor it is
// given. The child never comes back into the tests: it ends with 0, or with
// SIGABRT when `corpo` throws.
Figlio Avvia(const std::function<void(int)>& corpo) {
    int canale[2];
    if (::pipe(canale) != 0) throw std::runtime_error("pipe");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(canale[0]);
        corpo(canale[1]);
        ::_exit(0);
    }
    ::close(canale[1]);
    return {pid, canale[0]};
}

// Reports are short: a pipe takes each whole, in one write.
void Riferisci(int fd, const std::string& testo) {
    if (::write(fd, testo.data(), testo.size()) < 0) throw std::runtime_error("pipe");
}

// The child's reports, up to `quanti` bytes or to the end.
std::string Ascolta(const Figlio& figlio, std::size_t quanti = SIZE_MAX) {
    std::string testo;
    char c;
    while (testo.size() < quanti && ::read(figlio.canale, &c, 1) == 1)
        testo += c;
    return testo;
}

// How the child ended: its exit code, or 100 plus the signal that killed it.
int Attendi(const Figlio& figlio) {
    ::close(figlio.canale);
    int stato = 0;
    ::waitpid(figlio.pid, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : 100 + WTERMSIG(stato);
}

// "<segno> id " for a write that succeeded, "- id " for one that was refused.
std::string Esito(const std::string& messaggio, char segno, int id) {
    return (messaggio == "nessun errore" ? segno : '-') + (" " + std::to_string(id) + " ");
}

// Waits for every child: the ids reported with each sign.
std::map<char, std::vector<int>> Raccogli(const std::vector<Figlio>& figli) {
    std::map<char, std::vector<int>> esiti;
    for (const Figlio& figlio : figli) {
        std::istringstream righe(Ascolta(figlio));
        char segno;
        int id;
        while (righe >> segno >> id)
            esiti[segno].push_back(id);
        EXPECT_EQ(Attendi(figlio), 0);
    }
    for (auto& [segno, ids] : esiti)
        std::sort(ids.begin(), ids.end());
    return esiti;
}

// Ids w * 100 + i as the file holds them, writer by writer: sorted when each
// writer's lie in the order it wrote them.
std::vector<int> PerScrittore(std::vector<int> ids) {
    std::stable_sort(ids.begin(), ids.end(), [](int a, int b) { return a / 100 < b / 100; });
    return ids;
}

// Draw `i` of writer `w`: a date and numbers no other draw here has.
DrawRecord Segnata(int w, int i) {
    return prova::Estrazione(1 + i % 28, 1 + w, 2000 + i, w * 50 + i);
}

std::string Byte(const std::vector<DrawRecord>& draws) {
    std::string dati;
    for (const DrawRecord& draw : draws)
        dati += EncodeDraw(draw);
    return dati;
}

// Series `i` of group `g`: {70 + g, 1 + i}.
SeriesRecord Serie(int g, int i) {
    return {{static_cast<std::int16_t>(70 + g), static_cast<std::int16_t>(1 + i)}};
}

std::set<std::string> Nomi(const fs::path& cartella) {
    std::set<std::string> nomi;
    for (const fs::directory_entry& voce : fs::directory_iterator(cartella))
        nomi.insert(voce.path().filename().string());
    return nomi;
}

// Four writers append 50 draws each, the last as the window does, after a
// count the others make stale; two windows add 30 series each while two lists
// delete, by the position they show, the even ones of forty.
TEST(Concorrenza, ScrittoriSimultaneiNonPerdonoNeSovrascrivonoNulla) {
    CartellaProva cartella;
    const fs::path lotto = LottoDatPath(), serie = SeriePath();
    const std::string prima = Byte(prova::Settimanali(5));
    ScriviBytes(lotto, prima);
    for (int i = 0; i < 40; ++i)
        AccodaSerie(serie, Serie(0, i).Numeri());
    // However slow the disk, none gives up waiting for the others.
    const auto attesa = AttesaBlocco();
    SetAttesaBlocco(60s);
    std::vector<Figlio> figli;
    for (int w = 0; w < 4; ++w)
        figli.push_back(Avvia([&, w](int fd) {
            ContaEstrazioni();
            for (int i = 0; i < 50; ++i) {
                Module1().CurrentDraw = Segnata(w, i);
                Riferisci(fd, Esito(Fallimento([&] {
                                        w == 3 ? AccodaEstrazione()
                                               : (void)AccodaRecord(lotto, {Segnata(w, i)});
                                    }),
                                    'e', w * 100 + i));
            }
        }));
    for (int g = 1; g <= 2; ++g)
        figli.push_back(Avvia([&, g](int fd) {
            for (int i = 0; i < 30; ++i)
                Riferisci(fd, Esito(Fallimento([&] { AccodaSerie(serie, Serie(g, i).Numeri()); }),
                                    's', g * 100 + i));
        }));
    for (int d = 0; d < 2; ++d)
        figli.push_back(Avvia([&, d](int fd) {
            // When the file changed since the list was read, it is read again.
            std::vector<SeriesRecord> elenco = LeggiSerie(serie);
            for (int i = d * 2; i < 40; i += 4) {
                std::string esito;
                for (int volta = 0; volta < 100; ++volta) {
                    const auto k = std::find(elenco.begin(), elenco.end(), Serie(0, i));
                    esito = Fallimento(
                        [&] { EliminaSerie(serie, k - elenco.begin() + 1, Serie(0, i)); });
                    if (esito.find("modificato da un altro programma") == std::string::npos) break;
                    elenco = LeggiSerie(serie);
                }
                Riferisci(fd, Esito(esito, 'x', i));
            }
        }));
    auto esiti = Raccogli(figli);
    SetAttesaBlocco(attesa);
    EXPECT_EQ(esiti['e'].size(), 200u);
    EXPECT_EQ(esiti['s'].size(), 60u);
    EXPECT_EQ(esiti['x'].size(), 20u);
    EXPECT_EQ(esiti['-'], std::vector<int>{});
    // The five draws untouched, then every saved one once and whole.
    const std::string dati = LeggiBytes(lotto);
    ASSERT_EQ(dati.size(), prima.size() + esiti['e'].size() * kDrawRecordSize);
    EXPECT_EQ(dati.substr(0, prima.size()), prima);
    std::vector<int> estrazioni, trovate, attese;
    for (std::size_t p = prima.size(); p < dati.size(); p += kDrawRecordSize) {
        const DrawRecord letta = DecodeDraw(dati.data() + p);
        estrazioni.push_back((letta.Month - 1) * 100 + letta.Year - 2000);
        EXPECT_EQ(letta, Segnata(letta.Month - 1, letta.Year - 2000)) << p;
    }
    EXPECT_EQ(PerScrittore(estrazioni), esiti['e']);
    // The odd series of the forty, then every saved one, once and whole.
    for (int i = 1; i < 40; i += 2)
        attese.push_back(i);
    attese.insert(attese.end(), esiti['s'].begin(), esiti['s'].end());
    EXPECT_EQ(fs::file_size(serie), attese.size() * kSeriesRecordSize);
    for (const SeriesRecord& una : LeggiSerie(serie)) {
        trovate.push_back((una.Slot[0] - 70) * 100 + una.Slot[1] - 1);
        EXPECT_EQ(una, Serie(trovate.back() / 100, trovate.back() % 100));
    }
    EXPECT_EQ(PerScrittore(trovate), attese);
}

TEST(Concorrenza, FinCheUnAltroTieneLaCartellaNonSiScriveNulla) {
    CartellaProva cartella;
    const fs::path lotto = LottoDatPath(), serie = SeriePath();
    ScriviBytes(lotto, Byte(prova::Settimanali(3)));
    ScriviBytes(serie, EncodeSerie(Serie(0, 0)) + EncodeSerie(Serie(0, 1)));
    const std::string primaLotto = LeggiBytes(lotto), primaSerie = LeggiBytes(serie);
    const Figlio tiene = Avvia([&](int fd) {
        BloccoCartella blocco(cartella.path());
        Riferisci(fd, "x");
        ::pause();
    });
    ASSERT_EQ(Ascolta(tiene, 1), "x");
    const auto attesa = AttesaBlocco();
    SetAttesaBlocco(300ms);
    const DrawRecord nuova = Segnata(0, 0);
    const std::vector<std::pair<const char*, std::function<void()>>> scritture = {
        {"AccodaRecord", [&] { AccodaRecord(lotto, {nuova}); }},
        {"AccodaEstrazione", [&] { Module1().CurrentDraw = nuova, AccodaEstrazione(); }},
        {"SostituisciArchivio", [&] { SostituisciArchivio(lotto, {nuova}, true); }},
        {"AccodaSerie",
         [&] {
             AccodaSerie(serie, std::vector{5, 6});
         }},
        {"EliminaSerie", [&] { EliminaSerie(serie, 1); }},
        {"SvuotaSerie", [&] { SvuotaSerie(serie); }},
    };
    for (const auto& [nome, scrivi] : scritture) {
        const auto inizio = std::chrono::steady_clock::now();
        EXPECT_NE(Fallimento(scrivi).find("è in uso da un altro programma"), std::string::npos)
            << nome;
        const auto durata = std::chrono::steady_clock::now() - inizio;
        EXPECT_TRUE(durata >= 300ms && durata < 2300ms) << nome;
        EXPECT_EQ(LeggiBytes(lotto) + LeggiBytes(serie), primaLotto + primaSerie) << nome;
    }
    // A program that dies lets go of the folder at once.
    ::kill(tiene.pid, SIGKILL);
    EXPECT_EQ(Attendi(tiene), 100 + SIGKILL);
    for (const auto& [nome, scrivi] : scritture)
        EXPECT_EQ(Fallimento(scrivi), "nessun errore") << nome;
    SetAttesaBlocco(attesa);
    EXPECT_EQ(LeggiBytes(lotto), EncodeDraw(nuova));
    EXPECT_FALSE(fs::exists(serie));
}

// A writer killed at a random moment, many times over, leaves a file it could
// have left had it stopped between two writes; the next write then finds it
// whole and clears what the killed one left behind.
TEST(Concorrenza, UnoScrittoreUccisoNonLasciaMaiUnMisto) {
    const std::vector<DrawRecord> a = prova::Settimanali(3000);
    std::vector<DrawRecord> b, accodate;
    for (int i = 0; i < 2500; ++i)
        b.push_back(Segnata(5, i));
    for (int i = 0; i < 1500; ++i)
        accodate.push_back(Segnata(9, i));
    const std::string tre = Byte({a[0], a[1], a[2]}), tutte = tre + Byte(accodate);
    using Dati = const std::string&;
    const struct {
        const char* nome;
        std::string prima;
        std::function<void()> scrivi, poi;           // the killed writer; the next write
        std::function<bool(Dati)> ammesso;           // the file after a kill
        std::function<std::string(Dati)> risultato;  // the file after the next write
    } casi[] = {
        {"Lotto.dat", Byte(a),
         [&] {
             for (bool nuovo = true;; nuovo = !nuovo)
                 SostituisciArchivio(LottoDatPath(), nuovo ? b : a, true);
         },
         [&] { SostituisciArchivio(LottoDatPath(), a, true); },
         [&](Dati dati) { return dati == Byte(a) || dati == Byte(b); },
         [&](Dati) { return Byte(a); }},
        // The old draws and some after them. A kill inside the write may leave
        // part of a record: no draw, and the next append overwrites it.
        {"Lotto.dat", tre,
         [&] {
             for (std::size_t i = 0; i < accodate.size(); i += 20)
                 AccodaRecord(LottoDatPath(), {accodate.begin() + i, accodate.begin() + i + 20});
         },
         [&] { AccodaRecord(LottoDatPath(), {a[3]}); },
         [&](Dati dati) {
             return dati.size() >= tre.size() && tutte.substr(0, dati.size()) == dati;
         },
         [&](Dati dati) {
             return dati.substr(0, dati.size() / kDrawRecordSize * kDrawRecordSize) +
                    EncodeDraw(a[3]);
         }},
    };
    std::mt19937 caso(20240607);
    for (const auto& c : casi) {
        CartellaProva cartella;
        const fs::path file = cartella.File(c.nome);
        for (int giro = 0; giro < 30; ++giro) {
            ScriviBytes(file, c.prima);
            const Figlio figlio = Avvia([&](int fd) {
                Riferisci(fd, "x");
                c.scrivi();
                ::pause();
            });
            ASSERT_EQ(Ascolta(figlio, 1), "x");
            std::this_thread::sleep_for(std::chrono::microseconds(caso() % 15000));
            ::kill(figlio.pid, SIGKILL);
            ASSERT_EQ(Attendi(figlio), 100 + SIGKILL);
            const std::string dati = LeggiBytes(file);
            ASSERT_TRUE(c.ammesso(dati)) << giro << ": " << dati.size() << " byte";
            c.poi();
            ASSERT_EQ(LeggiBytes(file), c.risultato(dati)) << giro;
            ASSERT_EQ(Nomi(cartella.path()), std::set<std::string>{c.nome}) << giro;
        }
    }
}

// A file the system lets grow by less than a write needs: the write stops
// short, then fails. The file is put back as it was and nothing is left beside it.
TEST(Concorrenza, UnFileCheNonCresceTornaComEra) {
    CartellaProva cartella;
    const fs::path lotto = LottoDatPath(), serie = SeriePath();
    const std::string tre = Byte(prova::Settimanali(3)), due = Byte(prova::Settimanali(2));
    const std::string serieDue = EncodeSerie(Serie(0, 0)) + EncodeSerie(Serie(0, 1));
    const std::vector<DrawRecord> nuove = {Segnata(1, 0), Segnata(1, 1), Segnata(1, 2)};
    const struct {
        const char* nome;
        fs::path file;
        std::optional<std::string> prima;
        rlim_t limite;  // the largest size a file may grow to
        std::function<void()> scrivi;
    } casi[] = {
        {"un record, 50 byte di posto", lotto, tre, 318 + 50,
         [&] { AccodaRecord(lotto, {nuove[0]}); }},
        {"tre record, posto per due e mezzo", lotto, tre, 318 + 265,
         [&] { AccodaRecord(lotto, nuove); }},
        {"archivio nuovo", lotto, std::nullopt, 50, [&] { AccodaRecord(lotto, {nuove[0]}); }},
        {"sostituzione", lotto, due, 300, [&] { SostituisciArchivio(lotto, nuove, true); }},
        {"serie", serie, serieDue, 80 + 30,
         [&] {
             AccodaSerie(serie, std::vector{1, 2, 3});
         }},
    };
    for (const auto& c : casi) {
        fs::remove(lotto);
        fs::remove(serie);
        if (c.prima) ScriviBytes(c.file, *c.prima);
        const Figlio figlio = Avvia([&](int fd) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limite{c.limite, c.limite};
            if (::setrlimit(RLIMIT_FSIZE, &limite) != 0) throw std::runtime_error("setrlimit");
            Riferisci(fd, Fallimento(c.scrivi));
        });
        EXPECT_EQ(Ascolta(figlio),
                  "Impossibile scrivere il file \"" + c.file.string() + "\": file troppo grande.")
            << c.nome;
        EXPECT_EQ(Attendi(figlio), 0) << c.nome;
        EXPECT_EQ(LeggiBytes(c.file), c.prima.value_or("")) << c.nome;
        EXPECT_EQ(Nomi(cartella.path()),
                  c.prima ? std::set<std::string>{c.file.filename()} : std::set<std::string>{})
            << c.nome;
    }
}

// A symbolic link in the folder is never written through: one whose name
// looks left by a killed replacement goes, as a name; any other stays.
TEST(Concorrenza, UnaSostituzioneNonSegueICollegamentiSimbolici) {
    const std::pair<const char*, const char*> casi[] = {
        {"Lotto.dat.tmp", "file"},
        {"Lotto.dat.tmp", "assente"},
        {"Lotto.dat.nuovo-abcdef", "file"},
        {"Lotto.dat.nuovo-abcdef", "cartella"},
        {"Lotto.dat.nuovo-abcdef", "assente"},
        {"Lotto.dat.nuovo-abcdef", nullptr},  // a file, not a link
        {"Serie.nuovo-abcdef", "file"},
    };
    for (const auto& [nome, bersaglio] : casi) {
        CartellaProva fuori, cartella;  // the program's folder is the last one made
        ScriviBytes(fuori.File("file"), "intatto");
        fs::create_directory(fuori.File("cartella"));
        ScriviBytes(fuori.File("cartella") / "dentro", "intatto");
        if (bersaglio)
            fs::create_symlink(fuori.File(bersaglio), cartella.File(nome));
        else
            ScriviBytes(cartella.File(nome), "avanzo");
        ScriviBytes(LottoDatPath(), Byte(prova::Settimanali(3)));
        ScriviBytes(SeriePath(), EncodeSerie(Serie(0, 0)) + EncodeSerie(Serie(0, 1)));
        SostituisciArchivio(LottoDatPath(), prova::Settimanali(2), true);
        EliminaSerie(SeriePath(), 1);
        const std::string caso = nome + std::string(" -> ") + (bersaglio ? bersaglio : "");
        EXPECT_EQ(LeggiBytes(LottoDatPath()), Byte(prova::Settimanali(2))) << caso;
        EXPECT_EQ(LeggiBytes(SeriePath()), EncodeSerie(Serie(0, 1))) << caso;
        EXPECT_EQ(LeggiBytes(fuori.File("file")) + LeggiBytes(fuori.File("cartella") / "dentro"),
                  "intattointatto")
            << caso;
        EXPECT_EQ(Nomi(fuori.path()), (std::set<std::string>{"cartella", "file"})) << caso;
        std::set<std::string> attesi = {"Lotto.dat", "Serie"};
        if (std::string(nome) == "Lotto.dat.tmp") attesi.insert(nome);
        EXPECT_EQ(Nomi(cartella.path()), attesi) << caso;
    }
}

}  // namespace
}  // namespace ruotario
