#include "shell/registro.h"

#include <algorithm>
#include <cstdio>
#include <exception>

#ifdef _WIN32
#include <windows.h>
#endif

namespace ruotario {
namespace {

#ifdef _WIN32
class RegistroWindows : public Registro {
  public:
    long RegOpenKeyExA(std::uint32_t radice, const std::string& chiave, std::uint32_t accesso,
                       ChiaveRegistro& aperta) override {
        HKEY risultato = nullptr;
        long esito = ::RegOpenKeyExA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(radice)),
                                     chiave.c_str(), 0, accesso, &risultato);
        aperta = reinterpret_cast<ChiaveRegistro>(risultato);
        return esito;
    }
    long RegQueryValueExA(ChiaveRegistro chiave, const std::string& valore, std::uint32_t& tipo,
                          std::string& dati, std::uint32_t& dimensione) override {
        DWORD t = 0;
        DWORD d = static_cast<DWORD>(dati.size());
        long esito = ::RegQueryValueExA(reinterpret_cast<HKEY>(chiave), valore.c_str(), nullptr, &t,
                                        reinterpret_cast<BYTE*>(dati.data()), &d);
        tipo = t;
        dimensione = d;
        return esito;
    }
    long RegCloseKey(ChiaveRegistro chiave) override {
        return ::RegCloseKey(reinterpret_cast<HKEY>(chiave));
    }
};
#else
// No registry here: every key is missing.
class RegistroAssente : public Registro {
  public:
    long RegOpenKeyExA(std::uint32_t, const std::string&, std::uint32_t,
                       ChiaveRegistro& aperta) override {
        aperta = 0;
        return 2;  // ERROR_FILE_NOT_FOUND
    }
    long RegQueryValueExA(ChiaveRegistro, const std::string&, std::uint32_t&, std::string&,
                          std::uint32_t&) override {
        return 2;
    }
    long RegCloseKey(ChiaveRegistro) override { return 6; }  // ERROR_INVALID_HANDLE
};
#endif

}  // namespace

std::unique_ptr<Registro> RegistroDiSistema() {
#ifdef _WIN32
    return std::make_unique<RegistroWindows>();
#else
    return std::make_unique<RegistroAssente>();
#endif
}

bool GetKeyValue(Registro& registro, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    ChiaveRegistro chiave = 0;
    if (registro.RegOpenKeyExA(KeyRoot, KeyName, KEY_ALL_ACCESS_, chiave) != ERROR_SUCCESS_) {
        KeyVal.clear();
        registro.RegCloseKey(chiave);
        return false;
    }
    std::string buffer(1024, '\0');
    std::uint32_t dimensione = 1024;
    std::uint32_t tipo = 0;
    if (registro.RegQueryValueExA(chiave, SubKeyRef, tipo, buffer, dimensione) != ERROR_SUCCESS_) {
        KeyVal.clear();
        registro.RegCloseKey(chiave);
        return false;
    }
    // A string value usually ends in its NUL, which is not part of the text.
    // A value of size 0 is simply empty.
    std::size_t tenuti = std::min<std::size_t>(dimensione, buffer.size());
    if (tenuti > 0 && buffer[tenuti - 1] == '\0') --tenuti;
    std::string testo = buffer.substr(0, tenuti);
    if (tipo == REG_SZ_) {
        KeyVal = testo;
    } else if (tipo == REG_DWORD_) {
        // The bytes from the last to the first, each as hex digits without a
        // leading zero.
        std::string cifre;
        char parte[8];
        for (auto c = testo.rbegin(); c != testo.rend(); ++c) {
            std::snprintf(parte, sizeof parte, "%X", static_cast<unsigned char>(*c));
            cifre += parte;
        }
        KeyVal = "&h" + cifre;
    }
    registro.RegCloseKey(chiave);
    return true;
}

bool StartSysInfo(Registro& registro, Avviatore& avviatore) {
    try {
        std::string percorso;
        if (GetKeyValue(registro, HKEY_LOCAL_MACHINE_, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                        "PATH", percorso))
            return avviatore.Avvia(percorso);
        if (GetKeyValue(registro, HKEY_LOCAL_MACHINE_, "SOFTWARE\\Microsoft\\Shared Tools Location",
                        "MSINFO", percorso) &&
            avviatore.FileEsiste(percorso + "\\MSINFO32.EXE"))
            return avviatore.Avvia(percorso + "\\MSINFO32.EXE");
    } catch (const std::exception&) {
        // Any failure on the way ends in the same message.
    }
    return false;
}

}  // namespace ruotario
