// What every fuzz target shares: a failed check stops the run where libFuzzer
// sees it, and files are written to a temporary folder of the run's own.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace ruotario {

inline void Verifica(bool condizione) {
    if (!condizione) __builtin_trap();
}

// The file `nome` of that folder, holding exactly these bytes.
inline std::filesystem::path Scrivi(const char* nome, const std::string& byte) {
    static const std::filesystem::path cartella = [] {
        std::string modello =
            (std::filesystem::temp_directory_path() / "ruotario-fuzz-XXXXXX").string();
        if (!::mkdtemp(modello.data())) std::abort();
        return std::filesystem::path(modello);
    }();
    std::ofstream(cartella / nome, std::ios::binary | std::ios::trunc)
        .write(byte.data(), static_cast<std::streamsize>(byte.size()));
    return cartella / nome;
}

}  // namespace ruotario
