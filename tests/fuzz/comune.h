// What every fuzz target shares: its input as a string of bytes, a failed
// check that stops the run where libFuzzer sees it, and files written to
// the temporary folder, named for the run. Each target defines Prova.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace ruotario {

// One input of the run.
void Prova(const std::string& byte);

inline void Verifica(bool condizione) {
    if (!condizione) __builtin_trap();
}

// The file `nome` of the temporary folder, named for this run, holding
// exactly these bytes.
inline std::string Scrivi(const char* nome, const std::string& byte) {
    const std::string file = std::filesystem::temp_directory_path() /
                             ("ruotario-fuzz-" + std::to_string(::getpid()) + "-" + nome);
    std::ofstream(file, std::ios::binary).write(byte.data(), std::ssize(byte));
    return file;
}

}  // namespace ruotario

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione) {
    ruotario::Prova(std::string(reinterpret_cast<const char*>(dati), dimensione));
    return 0;
}
