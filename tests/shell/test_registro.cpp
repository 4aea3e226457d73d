#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "shell/registro.h"

namespace ruotario {
namespace {

using Chiamate = std::vector<std::string>;

// A registry of a few values (type and data, by key and name) under
// HKEY_LOCAL_MACHINE, and the files that exist; every call recorded.
struct Sistema : Registro, Avviatore {
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::string>>> chiavi;
    std::vector<std::string> file;
    Chiamate chiamate;
    std::string aperta;

    long RegOpenKeyExA(std::uint32_t radice, const std::string& chiave, std::uint32_t accesso,
                       ChiaveRegistro& handle) override {
        chiamate.push_back("apri " + chiave);
        EXPECT_EQ(std::pair(radice, accesso), std::pair(0x80000002u, 0x2003Fu));
        handle = 7;
        aperta = chiave;
        return chiavi.count(chiave) ? 0 : 2;
    }
    long RegQueryValueExA(ChiaveRegistro handle, const std::string& nome, std::uint32_t& tipo,
                          std::string& dati, std::uint32_t& dimensione) override {
        chiamate.push_back("leggi " + nome);
        // The key just opened, and a buffer of 1024 NULs.
        EXPECT_EQ(std::tuple(handle, dati, dimensione),
                  std::tuple(7u, std::string(1024, '\0'), 1024u));
        if (!chiavi[aperta].count(nome)) return 2;
        const auto& [t, valore] = chiavi[aperta][nome];
        tipo = t;
        dati.replace(0, valore.size(), valore);
        dimensione = static_cast<std::uint32_t>(valore.size());
        return 0;
    }
    long RegCloseKey(ChiaveRegistro) override {
        chiamate.push_back("chiudi");
        return 0;
    }
    bool FileEsiste(const std::string& nome) override {
        return std::find(file.begin(), file.end(), nome) != file.end();
    }
    bool Avvia(const std::string& programma) override {
        chiamate.push_back("avvia " + programma);
        return true;
    }
};

TEST(Registro, TestiNumeriEIlNulFinale) {
    // A string loses its trailing NUL. A 32-bit value gives its bytes from the
    // last (00 01 02), each in hex without a leading zero. Another type leaves
    // the text as it was.
    const std::tuple<const char*, std::uint32_t, std::string, const char*> valori[] = {
        {"conNul", 1, std::string("C:\\X\0", 5), "C:\\X"},
        {"senzaNul", 1, "C:\\Y", "C:\\Y"},
        {"vuoto", 1, "", ""},
        {"numero", 4, std::string("\x02\x01\x00\x00", 4), "&h012"},
        {"numeroPieno", 4, "\x1f\xab\x03\x7f", "&h7F3AB1F"},
        {"binario", 3, "xyz", "prima"}};
    Sistema sistema;
    for (const auto& [nome, tipo, dati, atteso] : valori) {
        sistema.chiavi["K"][nome] = {tipo, dati};
        std::string testo = "prima";
        EXPECT_TRUE(GetKeyValue(sistema, HKEY_LOCAL_MACHINE_, "K", nome, testo));
        EXPECT_EQ(testo, atteso) << nome;
    }
    // A missing key or value: false and an empty text, the key closed all the same.
    sistema.chiamate.clear();
    for (const char* chiave : {"nessuna", "K"}) {
        std::string testo = "prima";
        EXPECT_FALSE(GetKeyValue(sistema, HKEY_LOCAL_MACHINE_, chiave, "V", testo));
        EXPECT_EQ(testo, "");
    }
    EXPECT_EQ(sistema.chiamate,
              (Chiamate{"apri nessuna", "chiudi", "apri K", "leggi V", "chiudi"}));
}

TEST(SysInfo, IlPercorsoDallaPrimaChiaveOppureDallaSeconda) {
    const std::string msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    Sistema sistema;
    sistema.chiavi[msinfo]["PATH"] = {1, std::string("C:\\msinfo32.exe\0", 16)};
    sistema.chiavi["SOFTWARE\\Microsoft\\Shared Tools Location"]["MSINFO"] = {1, "C:\\Tools"};
    EXPECT_TRUE(StartSysInfo(sistema, sistema));
    EXPECT_EQ(sistema.chiamate,
              (Chiamate{"apri " + msinfo, "leggi PATH", "chiudi", "avvia C:\\msinfo32.exe"}));
    // Only the folder: started if MSINFO32.EXE is in it.
    sistema.chiavi.erase(msinfo);
    EXPECT_FALSE(StartSysInfo(sistema, sistema));
    EXPECT_EQ(sistema.chiamate.back(), "chiudi");
    sistema.file = {"C:\\Tools\\MSINFO32.EXE"};
    EXPECT_TRUE(StartSysInfo(sistema, sistema));
    EXPECT_EQ(sistema.chiamate.back(), "avvia C:\\Tools\\MSINFO32.EXE");
}

}  // namespace
}  // namespace ruotario
