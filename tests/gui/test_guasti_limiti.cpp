// File failures, the archive's limits and files that are no files, met
// through the windows. A failure tells the user what failed, on which file and why; the
// file is the old one or the complete new one; the window goes on working and
// the main window takes input.
#include <sys/stat.h>

#include "series/banco_serie.h"
#include "support/cella_vista.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using Op = prova::IoGuasto::Op;
using prova::LeggiBytes;
using prova::S;

QString Citato(const std::filesystem::path& file) {
    return "\"" + QString::fromStdString(file.string()) + "\"";
}

// Every wheel typed as 01 02 03 04 05, on the date proposed.
const QString kDigitata = QString("0102030405").repeated(10);

// Saving the draw typed (a full disk after part of the record), saving the
// series 7 8, deleting the series chosen and deleting all (a full disk after
// part of the data) fail: the files and the lists stay as they were, nothing
// is left beside them, the draw and the series composed are still there, the
// main window takes input.
TEST(Guasti, UnGuastoLasciaFileEdElenchiComEranoEIlProgrammaProsegue) {
    prova::BancoSerie b(3, {{1, 2}, {3}, {4, 5, 6}});
    prova::MsgBoxScript script;
    const std::string lotto = LeggiBytes(LottoDatPath()), serie = LeggiBytes(SeriePath());
    for (int n : {7, 8}) {
        b.Scegli("List1", n);
        b.Premi("Command2_0");
    }
    b.principale.mnuEstra()->trigger();
    Archivio* archivio = Archivio::Istanza();
    ASSERT_NE(archivio, nullptr);
    QTest::mouseClick(archivio->Inserisci(), Qt::LeftButton);
    QTest::keyClicks(archivio->MSFlexGrid1(), kDigitata);
    const QString l = " il file " + Citato(LottoDatPath()), s = " il file " + Citato(SeriePath());
    const std::tuple<QWidget*, QString, Op, int, QString> guasti[] = {
        {archivio->Salva(), "Archiviare Estrazione ?", Op::WriteAt, 106, "scrivere" + l},
        {b.C("Command1_4"), "Salvare Serie ?", Op::WriteAt, 10, "scrivere" + s},
        {b.C("Command1_1"), " Eliminare Serie selezionata ?", Op::WriteBeside, 10, "scrivere" + s},
        {b.C("Command1_1"), " Eliminare Serie selezionata ?", Op::Rename, 0, "sostituire" + s},
        {b.C("Command1_2"), " Eliminare tutte le Serie in Archivio ?", Op::Remove, 0,
         "eliminare" + s}};
    for (const auto& [pulsante, domanda, op, parziale, cosa] : guasti) {
        prova::IoGuasto io;
        io.Fallisci(op, ENOSPC);
        io.ScritturaParziale(parziale);
        script.Attendi(domanda, MsgBoxButtons::YesNo, MsgBoxIcon::Question, MsgBoxResult::Yes)
            .Attendi("Impossibile " + cosa + ": spazio su disco esaurito.", MsgBoxButtons::Ok,
                     MsgBoxIcon::Critical, MsgBoxResult::Ok);
        QTest::mouseClick(pulsante, Qt::LeftButton);
        EXPECT_EQ(
            S(LeggiBytes(LottoDatPath()) == lotto, LeggiBytes(SeriePath()) == serie,
              std::distance(std::filesystem::directory_iterator(SeriePath().parent_path()), {}),
              b.Combo().join('|'), b.Voci("List2"), int(Module1().EntryPending),
              archivio->MSFlexGrid1()->TextMatrix(2, 1), b.principale.isEnabled()),
            "true true 2 -1 -2     S_1|-3     S_2|-4 -5 -6     S_3 QList(7, 8) 1 "
            "01 true")
            << cosa.toStdString();
    }
}

// 32,767 draws, the most the format counts: 32,467 one a week from 7/1/1871
// to 28/3/2493, then 1991's 300, the 1st to the 25th of every month, the last
// with 1 8 15 22 29 on Bari. Each record scrolled to shows its number, date,
// number within the year and within the month. The next draw is refused.
using ArchivioPieno = prova::FinestraArchivio;
TEST_F(ArchivioPieno, SiSfogliaERifiutaLaProssima) {
    std::vector<DrawRecord> draws = prova::Settimanali(kMaxEstrazioni - 300);
    for (int giorno = 0; giorno < 300; ++giorno)
        draws.push_back(prova::Estrazione(giorno % 25 + 1, giorno / 25 + 1, 1991));
    Apri(draws);
    QString visto = S(archivio->VScroll1()->maximum(), Numeri().mid(0, 5));
    for (int record : {32767, 1, 2, 16384, 32723, 32722, 32468, 32467}) {
        archivio->VScroll1()->setValue(record);
        visto = S(visto, Etichette(), Cella(0, 2) + "/" + Cella(0, 3) + "/" + Cella(0, 4));
    }
    const std::string prima = LeggiBytes(LottoDatPath());
    Clic(archivio->Inserisci());
    QTest::keyClicks(Griglia(), kDigitata);
    script
        .Attendi("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                 MsgBoxResult::Yes)
        .Attendi("L'archivio è pieno: non può contenere più di 32767 estrazioni.",
                 MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, MsgBoxResult::Ok);
    Clic(archivio->Salva());
    EXPECT_EQ(S(visto, LeggiBytes(LottoDatPath()) == prima, int(Module1().EntryPending)),
              "32767 QList(1, 8, 15, 22, 29) QList(32767, 300, 25) 25/12/1991 QList(1, 1, 1) "
              "7/1/1871 QList(2, 2, 2) 14/1/1871 QList(16384, 1, 1) 1/1/2185 QList(32723, 256, 6) "
              "6/11/1991 QList(32722, 255, 5) 5/11/1991 QList(32468, 1, 1) 1/1/1991 "
              "QList(32467, 13, 4) 28/3/2493 true 1");
}

// A folder or a FIFO where "Lotto.dat" or "Serie" should be, or an archive
// past 32,767 draws: the windows say so once and open, nothing waits for a
// FIFO's writer and nothing is written.
TEST(NonFile, CartelleFifoEArchiviTroppoGrandiSiRifiutano) {
    const QString motivi[] = {
        "Impossibile usare %1: è una cartella, non un file.",
        "Impossibile usare %1: è una FIFO, un dispositivo o un socket, non un file.",
        "L'archivio %1 contiene 32768 estrazioni, più delle 32767 che il programma può gestire: "
        "non viene usato né modificato. Con \"ruotario-cli esporta\" lo si può salvare come "
        "testo."};
    for (const auto& [tipo, nome] : {std::pair{0, "Lotto.dat"},
                                     {0, "Serie"},
                                     {1, "Lotto.dat"},
                                     {1, "Serie"},
                                     {2, "Lotto.dat"}}) {
        prova::CartellaProva cartella;
        const auto file = cartella.File(nome);
        if (tipo == 2)
            prova::ScriviArchivio(prova::Settimanali(32768));
        else
            ASSERT_EQ(tipo ? ::mkfifo(file.c_str(), 0644) : ::mkdir(file.c_str(), 0755), 0);
        prova::MsgBoxScript script;
        script.Attendi(motivi[tipo].arg(Citato(file)), MsgBoxButtons::Ok, MsgBoxIcon::Critical,
                       MsgBoxResult::Ok);
        MDIForm1 principale;
        principale.mnuEstra()->trigger();
        principale.mnuSerie()->trigger();
        EXPECT_EQ(S(principale.Area()->subWindowList().size(),
                    tipo == 2 ? std::filesystem::file_size(file) : 0),
                  tipo == 2 ? "2 3473408" : "2 0")  // 32,768 records of 106 bytes, as they were
            << nome << tipo;
    }
}

}  // namespace
}  // namespace ruotario
