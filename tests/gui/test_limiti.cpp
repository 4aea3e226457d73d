// The archive at its limits, through the windows: 32,767 draws, the most the
// file format counts, and a year with more draws than an 8-bit count holds.
#include <QAbstractButton>

#include "analysis/analisi.h"
#include "analysis/ricerca2.h"
#include "analysis/tabella.h"
#include "archive/finestra_prova.h"
#include "series/archivio_serie.h"
#include "series/serie.h"
#include "store/archivio.h"

namespace ruotario {
namespace {

using prova::Estrazione;

struct Limiti : prova::FinestraArchivio {
    QString Data() const { return Cella(0, 2) + "/" + Cella(0, 3) + "/" + Cella(0, 4); }
    // The window shows record `record`: its number, date and numbers as
    // stored, its numbers within year and month as worked out by hand.
    void Mostra(const std::vector<DrawRecord>& draws, int record, const QString& data,
                const QString& annuale, const QString& mensile) const {
        SCOPED_TRACE(record);
        EXPECT_EQ(archivio->Label1()->text(), QString::number(record));
        EXPECT_EQ(Data(), data);
        EXPECT_EQ(archivio->Label3()->text(), annuale);
        EXPECT_EQ(archivio->Label4()->text(), mensile);
        QStringList numeri;
        for (int w = 1; w <= 10; ++w)
            for (int p = 1; p <= 5; ++p)
                numeri << QString::number(draws[record - 1].Numbers(p, w));
        EXPECT_EQ(Numeri(), numeri);
    }
    template <typename T = QWidget>
    T* DiSerie(const char* nome) const {
        return Serie::Istanza()->findChild<T*>(nome);
    }
};

// Settimanali: one draw every Saturday from 7 January 1871; draw k (from 0)
// holds ((13k mod 90) + 7i) mod 90 + 1 in cell i. The last one, 27/12/2498,
// is the 52nd of its year and the 4th of December, with 79 86 3 10 17 on Bari.
TEST_F(Limiti, UnArchivioPienoSiSfogliaSiAnalizzaERifiutaLaProssima) {
    const std::vector<DrawRecord> draws = prova::Settimanali(kMaxEstrazioni);
    Apri(draws);
    const std::string prima = prova::LeggiBytes(ArchivioPath());
    ASSERT_EQ(prima.size(), 32767u * kDrawRecordSize);
    EXPECT_EQ(archivio->windowTitle(), "Archivio Estrazioni dal 07/01/1871 al 27/12/2498");
    EXPECT_EQ(archivio->VScroll1()->maximum(), 32767);
    Mostra(draws, 32767, "27/12/2498", "52", "4");
    EXPECT_EQ(Numeri().mid(0, 5), (QStringList{"79", "86", "3", "10", "17"}));

    Clic(archivio->Command1());
    Mostra(draws, 1, "7/1/1871", "1", "1");
    const std::tuple<int, const char*, const char*, const char*> salti[] = {
        {16384, "1/1/2185", "1", "1"},
        {32766, "20/12/2498", "51", "3"},
        {2, "14/1/1871", "2", "2"},
    };
    for (const auto& [record, data, annuale, mensile] : salti) {
        archivio->VScroll1()->setValue(record);
        Mostra(draws, record, data, annuale, mensile);
    }
    Clic(archivio->Ultima());
    Mostra(draws, 32767, "27/12/2498", "52", "4");

    // The next draw has no room: nothing written, entry on, the draw kept.
    const QString digitata = QString("0102030405").repeated(10);
    Clic(archivio->Inserisci());
    QTest::keyClicks(Griglia(), digitata);
    script
        .Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                 MsgBoxResult::Yes)
        .Attendi("L'archivio è pieno: non può contenere più di 32767 estrazioni.",
                 MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, MsgBoxResult::Ok);
    Clic(archivio->Salva());
    EXPECT_TRUE(prova::LeggiBytes(ArchivioPath()) == prima);
    EXPECT_EQ(Archivio::Istanza(), archivio);
    EXPECT_EQ(Module1().EntryPending, 1);
    EXPECT_EQ(Numeri().join(""), digitata);
    EXPECT_EQ(archivio->Combo2(0)->currentText() + "/" + archivio->Combo2(1)->currentText() + "/" +
                  archivio->Combo2(2)->currentText(),
              "27/12/2498");
    EXPECT_TRUE(principale->isEnabled());

    // The whole archive analysed: 79 and 86 stand together on a wheel in
    // four draws of every ninety, and on Bari in the last one.
    SeriesRecord serie;
    serie.Slot[0] = 79;
    serie.Slot[1] = 86;
    prova::ScriviBytes(SeriePath(), EncodeSerie(serie));
    principale->mnuSerie()->trigger();
    ASSERT_NE(Serie::Istanza(), nullptr);
    DiSerie<QScrollBar>("HScroll1")->setValue(1);
    EXPECT_EQ(DiSerie<QScrollBar>("HScroll2")->value(), 32767);
    EXPECT_EQ(DiSerie<QLabel>("Label1")->text(), "sabato, 07/01/1871");
    EXPECT_EQ(DiSerie<QLabel>("Label2")->text(), "sabato, 27/12/2498");
    EXPECT_EQ(DiSerie<QLabel>("Label3")->text(), "Estrazioni Analizzate : 32767");
    QTest::mouseClick(DiSerie<QAbstractButton>("Command1_0"), Qt::LeftButton);
    Ricerca2* analisi = AnalysisWindow();
    ASSERT_NE(analisi, nullptr);
    EXPECT_TRUE(principale->isEnabled());
    MSFlexGrid* grid = analisi->MSFlexGrid1();
    ASSERT_EQ(grid->Cols(), 7);
    const std::pair<std::pair<int, int>, const char*> aMano[] = {
        {{0, 1}, "79"},   {{0, 2}, "86"},   {{1, 1}, "0"},     {{1, 2}, "0"},
        {{1, 3}, "0"},    {{1, 4}, "0"},    {{11, 4}, "0"},    {{1, 5}, "1457"},
        {{2, 5}, "1456"}, {{8, 5}, "1457"}, {{10, 5}, "1457"}, {{12, 5}, "14563"},
    };
    for (const auto& [cella, testo] : aMano)
        EXPECT_EQ(grid->TextMatrix(cella.first, cella.second), testo)
            << cella.first << "," << cella.second;
    const TabellaRisultati tabella(AnalizzaArchivio(ArchivioPath(), 1, 32767, {79, 86}));
    for (int r = 0; r < TabellaRisultati::kRighe; ++r)
        for (int c = 0; c < tabella.Colonne(); ++c)
            EXPECT_EQ(grid->TextMatrix(r, c).toStdString(), tabella.At(r, c).testo)
                << r << "," << c;
}

// 1991 has 300 draws, the 1st to the 25th of every month, between three
// draws of December 1990 and two of January 1992.
TEST_F(Limiti, UnAnnoDiTrecentoEstrazioni) {
    std::vector<DrawRecord> draws = {Estrazione(20, 12, 1990, 0), Estrazione(27, 12, 1990, 1),
                                     Estrazione(31, 12, 1990, 2)};
    for (int mese = 1; mese <= 12; ++mese)
        for (int giorno = 1; giorno <= 25; ++giorno)
            draws.push_back(Estrazione(giorno, mese, 1991, static_cast<int>(draws.size())));
    draws.push_back(Estrazione(4, 1, 1992, 303));
    draws.push_back(Estrazione(11, 1, 1992, 304));
    Apri(draws);
    Mostra(draws, 305, "11/1/1992", "2", "2");
    const std::tuple<int, const char*, const char*, const char*> casi[] = {
        {303, "25/12/1991", "300", "25"}, {259, "6/11/1991", "256", "6"},
        {258, "5/11/1991", "255", "5"},   {304, "4/1/1992", "1", "1"},
        {4, "1/1/1991", "1", "1"},        {3, "31/12/1990", "3", "3"},
    };
    for (const auto& [record, data, annuale, mensile] : casi) {
        archivio->VScroll1()->setValue(record);
        Mostra(draws, record, data, annuale, mensile);
    }
    EXPECT_TRUE(script.Mostrati().empty());
}

}  // namespace
}  // namespace ruotario
