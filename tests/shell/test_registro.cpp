#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "shell/registro.h"

namespace ruotario {
namespace {

// A registry of a few values, recording every call.
class RegistroFinto : public Registro {
  public:
    struct Valore {
        std::uint32_t tipo;
        std::string dati;
    };
    std::map<std::string, std::map<std::string, Valore>> chiavi;
    std::vector<std::string> chiamate;

    long RegOpenKeyExA(std::uint32_t radice, const std::string& chiave, std::uint32_t accesso,
                       ChiaveRegistro& aperta) override {
        chiamate.push_back("apri " + chiave);
        EXPECT_EQ(radice, HKEY_LOCAL_MACHINE_);
        EXPECT_EQ(accesso, 0x2003Fu);
        auto trovata = chiavi.find(chiave);
        if (trovata == chiavi.end()) return 2;
        aperte_.push_back(&trovata->second);
        aperta = aperte_.size();
        return 0;
    }
    long RegQueryValueExA(ChiaveRegistro chiave, const std::string& valore, std::uint32_t& tipo,
                          std::string& dati, std::uint32_t& dimensione) override {
        chiamate.push_back("leggi " + valore);
        EXPECT_EQ(dimensione, 1024u);
        EXPECT_EQ(dati, std::string(1024, '\0'));
        auto& valori = *aperte_.at(chiave - 1);
        auto trovato = valori.find(valore);
        if (trovato == valori.end()) return 2;
        tipo = trovato->second.tipo;
        dati.replace(0, trovato->second.dati.size(), trovato->second.dati);
        dimensione = static_cast<std::uint32_t>(trovato->second.dati.size());
        return 0;
    }
    long RegCloseKey(ChiaveRegistro) override {
        chiamate.push_back("chiudi");
        return 0;
    }

  private:
    std::vector<std::map<std::string, Valore>*> aperte_;
};

class AvviatoreFinto : public Avviatore {
  public:
    std::vector<std::string> esistenti;
    std::vector<std::string> avviati;
    bool FileEsiste(const std::string& file) override {
        return std::find(esistenti.begin(), esistenti.end(), file) != esistenti.end();
    }
    bool Avvia(const std::string& programma) override {
        avviati.push_back(programma);
        return true;
    }
};

const std::string kMsinfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kLocation = "SOFTWARE\\Microsoft\\Shared Tools Location";

std::string Leggi(RegistroFinto& registro, const std::string& valore) {
    std::string testo = "prima";
    EXPECT_TRUE(GetKeyValue(registro, HKEY_LOCAL_MACHINE_, "K", valore, testo));
    return testo;
}

TEST(Registro, TestiNumeriEIlNulFinale) {
    RegistroFinto registro;
    registro.chiavi["K"] = {{"conNul", {1, std::string("C:\\X\0", 5)}},
                            {"senzaNul", {1, "C:\\Y"}},
                            {"vuoto", {1, ""}},
                            {"numero", {4, std::string("\x02\x01\x00\x00", 4)}},
                            {"numeroPieno", {4, "\x1f\xab\x03\x7f"}},
                            {"binario", {3, "xyz"}}};
    EXPECT_EQ(Leggi(registro, "conNul"), "C:\\X");
    EXPECT_EQ(Leggi(registro, "senzaNul"), "C:\\Y");
    EXPECT_EQ(Leggi(registro, "vuoto"), "");
    // Trailing NUL dropped, then the bytes from the last: 00 01 02.
    EXPECT_EQ(Leggi(registro, "numero"), "&h012");
    EXPECT_EQ(Leggi(registro, "numeroPieno"), "&h7F3AB1F");
    // Another type leaves the text as it was.
    EXPECT_EQ(Leggi(registro, "binario"), "prima");
}

TEST(Registro, ChiaveOValoreMancantiDannoTestoVuotoEFalso) {
    RegistroFinto registro;
    registro.chiavi["K"] = {};
    std::string testo = "prima";
    EXPECT_FALSE(GetKeyValue(registro, HKEY_LOCAL_MACHINE_, "nessuna", "V", testo));
    EXPECT_EQ(testo, "");
    testo = "prima";
    EXPECT_FALSE(GetKeyValue(registro, HKEY_LOCAL_MACHINE_, "K", "V", testo));
    EXPECT_EQ(testo, "");
    EXPECT_EQ(registro.chiamate,
              (std::vector<std::string>{"apri nessuna", "chiudi", "apri K", "leggi V", "chiudi"}));
}

TEST(SysInfo, IlPrimoValoreBastaESiAvvia) {
    RegistroFinto registro;
    registro.chiavi[kMsinfo] = {{"PATH", {1, std::string("C:\\msinfo32.exe\0", 16)}}};
    registro.chiavi[kLocation] = {{"MSINFO", {1, "C:\\altro"}}};
    AvviatoreFinto avviatore;
    EXPECT_TRUE(StartSysInfo(registro, avviatore));
    EXPECT_EQ(avviatore.avviati, std::vector<std::string>{"C:\\msinfo32.exe"});
    EXPECT_EQ(registro.chiamate,
              (std::vector<std::string>{"apri " + kMsinfo, "leggi PATH", "chiudi"}));
}

TEST(SysInfo, LaSecondaChiaveSoloSeIlFileEsiste) {
    RegistroFinto registro;
    registro.chiavi[kLocation] = {{"MSINFO", {1, "C:\\Tools"}}};
    AvviatoreFinto avviatore;
    EXPECT_FALSE(StartSysInfo(registro, avviatore));
    EXPECT_TRUE(avviatore.avviati.empty());

    avviatore.esistenti = {"C:\\Tools\\MSINFO32.EXE"};
    EXPECT_TRUE(StartSysInfo(registro, avviatore));
    EXPECT_EQ(avviatore.avviati, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
}

TEST(SysInfo, SenzaRegistroNienteDaAvviare) {
    AvviatoreFinto avviatore;
    EXPECT_FALSE(StartSysInfo(*RegistroDiSistema(), avviatore));
    EXPECT_STREQ(kMsgSysInfo, "System Information Is Unavailable At This Time");
}

}  // namespace
}  // namespace ruotario
