#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "shell/registro.h"

namespace ruotario {
namespace {

using Valori = std::map<std::string, std::pair<std::uint32_t, std::string>>;  // type, data
using Chiamate = std::vector<std::string>;

// A registry of a few keys, recording every call.
struct RegistroFinto : Registro {
    std::map<std::string, Valori> chiavi;
    Chiamate chiamate;
    Valori* aperta_ = nullptr;

    long RegOpenKeyExA(std::uint32_t radice, const std::string& chiave, std::uint32_t accesso,
                       ChiaveRegistro& aperta) override {
        chiamate.push_back("apri " + chiave);
        EXPECT_EQ(std::pair(radice, accesso), std::pair(HKEY_LOCAL_MACHINE_, 0x2003Fu));
        aperta = 7;
        aperta_ = chiavi.count(chiave) ? &chiavi[chiave] : nullptr;
        return aperta_ ? 0 : 2;
    }
    long RegQueryValueExA(ChiaveRegistro chiave, const std::string& valore, std::uint32_t& tipo,
                          std::string& dati, std::uint32_t& dimensione) override {
        chiamate.push_back("leggi " + valore);
        EXPECT_EQ(chiave, 7u);
        EXPECT_EQ(dati, std::string(dimensione, '\0'));  // a buffer of 1024 NULs
        EXPECT_EQ(dimensione, 1024u);
        if (!aperta_->count(valore)) return 2;
        const auto& [t, d] = aperta_->at(valore);
        tipo = t;
        dati.replace(0, d.size(), d);
        dimensione = static_cast<std::uint32_t>(d.size());
        return 0;
    }
    long RegCloseKey(ChiaveRegistro) override {
        chiamate.push_back("chiudi");
        return 0;
    }
};

struct AvviatoreFinto : Avviatore {
    std::vector<std::string> esistenti, avviati;
    bool FileEsiste(const std::string& file) override {
        return std::count(esistenti.begin(), esistenti.end(), file) > 0;
    }
    bool Avvia(const std::string& programma) override {
        avviati.push_back(programma);
        return true;
    }
};

TEST(Registro, TestiNumeriEIlNulFinale) {
    // A 32-bit value: its trailing NUL dropped, then the bytes from the last
    // (00 01 02), each in hex without a leading zero. Another type leaves the text.
    const std::tuple<const char*, std::uint32_t, std::string, const char*> valori[] = {
        {"conNul", 1, std::string("C:\\X\0", 5), "C:\\X"},
        {"senzaNul", 1, "C:\\Y", "C:\\Y"},
        {"vuoto", 1, "", ""},
        {"numero", 4, std::string("\x02\x01\x00\x00", 4), "&h012"},
        {"numeroPieno", 4, "\x1f\xab\x03\x7f", "&h7F3AB1F"},
        {"binario", 3, "xyz", "prima"},
    };
    RegistroFinto registro;
    for (const auto& [valore, tipo, dati, atteso] : valori)
        registro.chiavi["K"][valore] = {tipo, dati};
    for (const auto& [valore, tipo, dati, atteso] : valori) {
        std::string testo = "prima";
        EXPECT_TRUE(GetKeyValue(registro, HKEY_LOCAL_MACHINE_, "K", valore, testo));
        EXPECT_EQ(testo, atteso) << valore;
    }
    // A missing key or value: false and an empty text, the key closed all the same.
    registro.chiamate.clear();
    for (const char* chiave : {"nessuna", "K"}) {
        std::string testo = "prima";
        EXPECT_FALSE(GetKeyValue(registro, HKEY_LOCAL_MACHINE_, chiave, "V", testo));
        EXPECT_EQ(testo, "");
    }
    EXPECT_EQ(registro.chiamate,
              (Chiamate{"apri nessuna", "chiudi", "apri K", "leggi V", "chiudi"}));
}

TEST(SysInfo, IlPercorsoDallaPrimaChiaveOppureDallaSeconda) {
    const std::string msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    RegistroFinto registro;
    registro.chiavi[msinfo] = {{"PATH", {1, std::string("C:\\msinfo32.exe\0", 16)}}};
    registro.chiavi["SOFTWARE\\Microsoft\\Shared Tools Location"] = {{"MSINFO", {1, "C:\\Tools"}}};
    AvviatoreFinto avviatore;
    EXPECT_TRUE(StartSysInfo(registro, avviatore));
    EXPECT_EQ(avviatore.avviati, std::vector<std::string>{"C:\\msinfo32.exe"});
    EXPECT_EQ(registro.chiamate, (Chiamate{"apri " + msinfo, "leggi PATH", "chiudi"}));

    // Only the folder: started if MSINFO32.EXE is in it.
    registro.chiavi.erase(msinfo);
    avviatore.avviati.clear();
    EXPECT_FALSE(StartSysInfo(registro, avviatore));
    EXPECT_TRUE(avviatore.avviati.empty());
    avviatore.esistenti = {"C:\\Tools\\MSINFO32.EXE"};
    EXPECT_TRUE(StartSysInfo(registro, avviatore));
    EXPECT_EQ(avviatore.avviati, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
}

}  // namespace
}  // namespace ruotario
