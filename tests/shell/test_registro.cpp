// The System Information lookup behind About's button: values read from the
// registry as the program reads them, and the tool found by either key.
#include <gtest/gtest.h>

#include <map>

#include "shell/registro.h"

namespace ruotario {
namespace {

// A registry of a few values (type and data, by key and name) under
// HKEY_LOCAL_MACHINE, and the one file that exists. Every call is written
// down: "[" and the key's last part for an open, a blank and the name for a
// read, "]" for a close, " > " and the program for a start.
struct Sistema : Registro, Avviatore {
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, std::string>>> chiavi;
    std::string file, chiamate, aperta;

    long Segna(const std::string& chiamata, long esito) {
        chiamate += chiamata;
        return esito;
    }
    long RegOpenKeyExA(std::uint32_t, const std::string& k, std::uint32_t,
                       ChiaveRegistro&) override {
        aperta = k;
        return Segna("[" + k.substr(k.rfind('\\') + 1), chiavi.count(k) ? 0 : 2);
    }
    long RegQueryValueExA(ChiaveRegistro, const std::string& v, std::uint32_t& t, std::string& d,
                          std::uint32_t& n) override {
        if (!chiavi[aperta].count(v)) return Segna(" " + v, 2);
        std::tie(t, n) = std::pair(chiavi[aperta][v].first, chiavi[aperta][v].second.size());
        d.replace(0, n, chiavi[aperta][v].second);
        return Segna(" " + v, 0);
    }
    long RegCloseKey(ChiaveRegistro) override { return Segna("]", 0); }
    bool FileEsiste(const std::string& f) override { return f == file; }
    bool Avvia(const std::string& programma) override { return Segna(" > " + programma, 1); }
};

// A value of size 0 is empty; a string loses its trailing NUL, if it has
// one. A 32-bit value gives its bytes from the last, each in upper-case hex
// without a leading zero. Another type leaves the text as it was. The system
// tool: the path from the first key; else the folder from the second, when
// MSINFO32.EXE is in it. A missing value or key is closed all the same.
TEST(Registro, ValoriEStrumentoDiSistema) {
    Sistema s;
    s.chiavi["K"] = {
        {"sz", {1, ""}}, {"dw", {4, std::string("\x0a\x01\x00\xab", 4)}}, {"b", {3, "xy"}}};
    std::string testo = "prima", letti;
    for (const char* nome : {"sz", "dw", "b"})
        letti += GetKeyValue(s, HKEY_LOCAL_MACHINE_, "K", nome, testo) ? testo + "|" : "no|";
    EXPECT_EQ(letti, "|&hAB01A|&hAB01A|");

    const std::string msinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    s.chiavi[msinfo]["PATH"] = {1, std::string("C:\\msinfo32.exe\0", 16)};
    s.chiavi["SOFTWARE\\Microsoft\\Shared Tools Location"]["MSINFO"] = {1, "C:\\Tools"};
    EXPECT_TRUE(StartSysInfo(s, s));
    s.chiavi[msinfo].clear();
    EXPECT_FALSE(StartSysInfo(s, s));
    s.chiavi.erase(msinfo);
    s.file = "C:\\Tools\\MSINFO32.EXE";
    EXPECT_TRUE(StartSysInfo(s, s));
    EXPECT_EQ(s.chiamate,
              "[K sz][K dw][K b][MSINFO PATH] > C:\\msinfo32.exe[MSINFO PATH][Shared Tools Location"
              " MSINFO][MSINFO][Shared Tools Location MSINFO] > C:\\Tools\\MSINFO32.EXE");
}

}  // namespace
}  // namespace ruotario
