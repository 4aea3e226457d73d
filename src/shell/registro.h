#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace ruotario {

// Finding the system's own information tool through the registry. The lookup
// logic is here, over an interface with a Windows implementation and one that
// finds nothing (every other system).

using ChiaveRegistro = std::uintptr_t;

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE_ = 0x80000002u;
inline constexpr std::uint32_t KEY_ALL_ACCESS_ = 0x2003Fu;
inline constexpr long ERROR_SUCCESS_ = 0;
inline constexpr std::uint32_t REG_SZ_ = 1;
inline constexpr std::uint32_t REG_DWORD_ = 4;

class Registro {
  public:
    virtual ~Registro() = default;
    virtual long RegOpenKeyExA(std::uint32_t radice, const std::string& chiave,
                               std::uint32_t accesso, ChiaveRegistro& aperta) = 0;
    // `dati` holds the buffer (its size is the room offered); `dimensione`
    // comes back as the size of the value.
    virtual long RegQueryValueExA(ChiaveRegistro chiave, const std::string& valore,
                                  std::uint32_t& tipo, std::string& dati,
                                  std::uint32_t& dimensione) = 0;
    virtual long RegCloseKey(ChiaveRegistro chiave) = 0;
};

// The registry of this system: the real one on Windows, an empty one elsewhere.
std::unique_ptr<Registro> RegistroDiSistema();

// Reads one registry value as text into KeyVal; true when it was read.
bool GetKeyValue(Registro& registro, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// Starting another program, and whether a file exists.
class Avviatore {
  public:
    virtual ~Avviatore() = default;
    virtual bool FileEsiste(const std::string& file) = 0;
    // Starts the program in a normal, focused window; false when it cannot.
    virtual bool Avvia(const std::string& programma) = 0;
};

inline constexpr const char* kMsgSysInfo = "System Information Is Unavailable At This Time";

// Looks the tool up (first the path value, then the folder value with
// MSINFO32.EXE in it) and starts it. False when no tool could be started:
// the caller then shows kMsgSysInfo.
bool StartSysInfo(Registro& registro, Avviatore& avviatore);

}  // namespace ruotario
