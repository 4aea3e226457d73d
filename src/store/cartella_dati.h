#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ruotario {

// Where the program keeps "Lotto.dat" and "Serie". This is the one place that
// decides it; the windows and ruotario-cli follow it alike.

// What the choice depends on.
struct Ambiente {
    std::filesystem::path cartellaProgramma;  // the folder of the executable
    std::optional<std::string> xdgDataHome;   // $XDG_DATA_HOME
    std::optional<std::string> home;          // $HOME
};

// The environment of this process, for the executable in `cartellaProgramma`.
Ambiente AmbienteDelProcesso(const std::filesystem::path& cartellaProgramma);

// The archive installed with the program (<prefix>/share/ruotario/Lotto.dat
// beside <prefix>/bin), which gives a user's data folder its first Lotto.dat.
std::filesystem::path ArchivioInstallato(const std::filesystem::path& cartellaProgramma);

// The program's own folder when it is a copy of its own (the build folder, a
// portable copy): writable, and not an installed program. Otherwise the
// user's data folder, $XDG_DATA_HOME/ruotario or ~/.local/share/ruotario.
std::filesystem::path CartellaDati(const Ambiente& ambiente);

// Chooses the folder, creates it when it is missing, gives it the installed
// Lotto.dat when it has none (an existing one is never overwritten), and
// makes it the program's folder. Throws Errore when there is no folder to use.
void PreparaCartellaDati(const Ambiente& ambiente);

// The program's folder as chosen (tests point it at a temporary folder), and
// a file of it by its bare name.
const std::filesystem::path& AppDir();
void SetAppDir(const std::filesystem::path& dir);
std::filesystem::path AppFile(const std::string& name);

}  // namespace ruotario
