#include <gtest/gtest.h>

#include <set>

#include "store/errore.h"
#include "store/storico.h"
#include "support/archivio_prova.h"

namespace ruotario {
namespace {

TestoStorico Dati(const std::string& nome) {
    return {nome, prova::LeggiBytes(std::filesystem::path(RUOTARIO_DATA_DIR) / nome)};
}

std::string Messaggio(const std::vector<TestoStorico>& files) {
    try {
        ImportaStorico(files);
    } catch (const Errore& errore) {
        return errore.what();
    }
    return "nessun errore";
}

TEST(StoricoReale, UnaEstrazionePerDataEFedeleAlTesto) {
    auto antico = Dati("storico_1871_1938.txt");
    auto moderno = Dati("storico.txt");
    auto draws = ImportaStorico({antico, moderno});

    std::set<std::string> date;
    for (const auto* file : {&antico, &moderno})
        for (std::size_t i = 0; i < file->testo.size(); i = file->testo.find('\n', i) + 1)
            date.insert(file->testo.substr(i, 10));
    EXPECT_EQ(draws.size(), date.size());
    EXPECT_EQ(draws.size(), 10918u);

    EXPECT_EQ(draws.front().Day, 7);
    EXPECT_EQ(draws.front().Month, 1);
    EXPECT_EQ(draws.front().Year, 1871);
    // Bari and the two later wheels were not drawn yet.
    for (int p = 1; p <= 5; ++p) {
        EXPECT_EQ(draws.front().Numbers(p, 1), 0);
        EXPECT_EQ(draws.front().Numbers(p, 2), 0);
        EXPECT_EQ(draws.front().Numbers(p, 4), 0);
    }
    for (const DrawRecord& draw : draws)
        if (draw.Year == 1939 && draw.Month == 7 && draw.Day == 8) {
            int attesi[] = {52, 62, 77, 49, 87};
            for (int p = 1; p <= 5; ++p)
                EXPECT_EQ(draw.Numbers(p, 2), attesi[p - 1]);
        }

    // Back to text: the two files one after the other.
    EXPECT_EQ(EsportaStorico(draws), antico.testo + moderno.testo);
}

TEST(StoricoTesto, RuotaNazionaleSaltataERomaComeRO) {
    std::string testo =
        "2020/01/02\tBA\t1\t2\t3\t4\t5\n"
        "2020/01/02\tRN\t1\t2\t3\t4\t5\n"
        "2020/01/02\tRO\t6\t7\t8\t9\t10\n"
        "2020/01/04\tVE\t90\t89\t88\t87\t86\r\n";
    auto draws = ImportaStorico({{"prova.txt", testo}});
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].Numbers(1, 8), 6);
    EXPECT_EQ(draws[1].Numbers(5, 10), 86);
    EXPECT_EQ(draws[1].Numbers(1, 1), 0);
    EXPECT_EQ(EsportaStorico(draws),
              "2020/01/02\tBA\t1\t2\t3\t4\t5\n2020/01/02\tRM\t6\t7\t8\t9\t10\n"
              "2020/01/04\tVE\t90\t89\t88\t87\t86\n");
}

TEST(StoricoTesto, OgniErroreNominaFileRigaEMotivo) {
    const std::string buona = "2020/01/02\tBA\t1\t2\t3\t4\t5\n";
    const std::string formato =
        "riga non valida: attese la data (AAAA/MM/GG), la ruota e cinque numeri separati da "
        "tabulazioni";
    struct Caso {
        std::string riga;
        std::string motivo;
    };
    const Caso casi[] = {
        {"2020/01/02\tBA\t1\t2\t3\t4\n", formato},
        {"2020-01-02\tBA\t1\t2\t3\t4\t5\n", formato},
        {"2020/01/02\tBA\t1\t2\tx\t4\t5\n", formato},
        {"2020/01/02\tXX\t1\t2\t3\t4\t5\n", "ruota sconosciuta \"XX\""},
        {"2020/01/02\tCA\t1\t2\t91\t4\t5\n", "numero fuori dall'intervallo 1-90 (91)"},
        {"2020/01/02\tCA\t1\t0\t3\t4\t5\n", "numero fuori dall'intervallo 1-90 (0)"},
        {"2020/01/02\tCA\t1\t2\t3\t2\t5\n", "il numero 2 è ripetuto sulla ruota di Cagliari"},
        {"2020/01/02\tBA\t6\t7\t8\t9\t10\n",
         "la ruota di Bari compare due volte nella stessa estrazione"},
        {"2021/02/29\tCA\t1\t2\t3\t4\t5\n", "data impossibile \"2021/02/29\""},
        {"2020/00/10\tCA\t1\t2\t3\t4\t5\n", "data impossibile \"2020/00/10\""},
        {"2019/12/31\tCA\t1\t2\t3\t4\t5\n",
         "la data 2019/12/31 è precedente a quella dell'estrazione prima"},
    };
    for (const Caso& caso : casi) {
        std::string messaggio = Messaggio({{"a.txt", buona}, {"b.txt", "\n" + caso.riga}});
        EXPECT_EQ(messaggio, "Errore nel file \"b.txt\", riga 2: " + caso.motivo + ".")
            << caso.riga;
    }
}

TEST(StoricoTesto, PiuDi32767EstrazioniRifiutate) {
    auto draws = prova::Settimanali(32768);
    std::string testo = EsportaStorico(draws);
    draws.pop_back();
    EXPECT_EQ(ImportaStorico({{"ok.txt", EsportaStorico(draws)}}).size(), 32767u);
    std::string messaggio = Messaggio({{"troppe.txt", testo}});
    EXPECT_NE(messaggio.find("più di 32767 estrazioni"), std::string::npos) << messaggio;
}

}  // namespace
}  // namespace ruotario
