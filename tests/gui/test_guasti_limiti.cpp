// File failures, the archive's limits and files of any bytes, met through the
// windows. A failure tells the user what failed, on which file and why; the
// file is the old one or the complete new one; the window goes on working and
// the main window takes input.
#include <sys/stat.h>

#include <random>

#include "archive/finestra_prova.h"
#include "series/banco_serie.h"
#include "shell/form41.h"
#include "store/lotto_dat.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using Op = prova::IoGuasto::Op;
using prova::LeggiBytes;

QString Citato(const std::filesystem::path& file) {
    return "\"" + QString::fromStdString(file.string()) + "\"";
}

// Clicks, answering Yes to `domanda` and OK to `errore` when one is expected.
void Conferma(prova::MsgBoxScript& script, QWidget* pulsante, const QString& domanda,
              const QString& errore = {}, MsgBoxIcon icona = MsgBoxIcon::Critical) {
    script.Attendi(domanda, MsgBoxButtons::YesNo, MsgBoxIcon::Question, MsgBoxResult::Yes);
    if (!errore.isEmpty()) script.Attendi(errore, MsgBoxButtons::Ok, icona, MsgBoxResult::Ok);
    QTest::mouseClick(pulsante, Qt::LeftButton);
}

// Every wheel typed as 01 02 03 04 05, on the date proposed.
const QString kDigitata = QString("0102030405").repeated(10);

struct Archiviazione : prova::FinestraArchivio {
    // The draw typed, and a save that fails as `errore` says, leaving the file
    // so: the draw is still being entered, and the main window takes input.
    void NonSalva(const QString& errore, const std::string& file, MsgBoxIcon icona) {
        if (!Module1().EntryPending) {
            Clic(archivio->Inserisci());
            QTest::keyClicks(Griglia(), kDigitata);
        }
        Conferma(script, archivio->Salva(), "Archiviare Estrazione ?", errore, icona);
        EXPECT_TRUE(LeggiBytes(LottoDatPath()) == file);
        EXPECT_TRUE(principale->isEnabled() && Archivio::Istanza() == archivio);
        EXPECT_EQ(Numeri().join("") + QString::number(Module1().EntryPending), kDigitata + "1");
    }
    // Each record scrolled to, as "number date within-year within-month".
    void Sfoglia(std::initializer_list<QString> schede) const {
        for (const QString& scheda : schede) {
            archivio->VScroll1()->setValue(scheda.section(' ', 0, 0).toInt());
            EXPECT_EQ(QString("%1 %2/%3/%4 %5 %6")
                          .arg(Etichette()[0], Cella(0, 2), Cella(0, 3), Cella(0, 4),
                               Etichette()[1], Etichette()[2]),
                      scheda);
        }
    }
};

// A full or read-only disk: what was written is taken back; when even that
// fails, what is left is a fragment, not a draw, and the next save writes
// over it.
TEST_F(Archiviazione, UnSalvataggioFallitoNonLasciaMezzoRecord) {
    Apri(prova::Settimanali(3));
    const std::string prima = LeggiBytes(LottoDatPath());
    DrawRecord digitata = prova::EstrazioneVuota(21, 1, 1871);
    for (int w = 1; w <= 10; ++w)
        prova::Ruota(digitata, w, {1, 2, 3, 4, 5});
    const std::string record = EncodeDraw(digitata);
    const std::tuple<int, std::size_t, int, const char*, std::string> guasti[] = {
        {ENOSPC, 106, 0, "spazio su disco esaurito", prima},
        {EROFS, 0, 0, "il disco è in sola lettura", prima},
        {ENOSPC, 40, EIO, "spazio su disco esaurito", prima + record.substr(0, 40)}};
    for (const auto& [codice, scritti, troncamento, motivo, dopo] : guasti) {
        prova::IoGuasto io;
        io.Fallisci(Op::WriteAt, codice);
        io.ScritturaParziale(scritti);
        io.Fallisci(Op::Truncate, troncamento);
        NonSalva("Impossibile scrivere il file " + Citato(LottoDatPath()) + ": " + motivo + ".",
                 dopo, MsgBoxIcon::Critical);
    }
    Conferma(script, archivio->Salva(), "Archiviare Estrazione ?");
    EXPECT_TRUE(Archivio::Istanza() == nullptr && LeggiBytes(LottoDatPath()) == prima + record);
    EXPECT_EQ(Module1().DrawCount, 4);
}

// 32,767 draws, the most the format counts: 32,462 one a week from 7/1/1871,
// then 1991's 300, the 1st to the 25th of every month, between three of
// December 1990 and two of January 1992, the last with 1 8 15 22 29 on Bari.
TEST_F(Archiviazione, UnArchivioPienoSiSfogliaERifiutaLaProssima) {
    std::vector<DrawRecord> draws = prova::Settimanali(kMaxEstrazioni - 305);
    for (int giorno : {20, 27, 31})
        draws.push_back(prova::Estrazione(giorno, 12, 1990));
    for (int giorno = 0; giorno < 300; ++giorno)
        draws.push_back(prova::Estrazione(giorno % 25 + 1, giorno / 25 + 1, 1991));
    for (int giorno : {4, 11})
        draws.push_back(prova::Estrazione(giorno, 1, 1992));
    Apri(draws);
    EXPECT_EQ(archivio->VScroll1()->maximum(), 32767);
    EXPECT_EQ(Numeri().mid(0, 5).join(' '), "1 8 15 22 29");
    Sfoglia({"32767 11/1/1992 2 2", "1 7/1/1871 1 1", "16384 1/1/2185 1 1", "2 14/1/1871 2 2",
             "32765 25/12/1991 300 25", "32721 6/11/1991 256 6", "32720 5/11/1991 255 5",
             "32766 4/1/1992 1 1", "32466 1/1/1991 1 1", "32465 31/12/1990 3 3"});
    NonSalva("L'archivio è pieno: non può contenere più di 32767 estrazioni.",
             LeggiBytes(LottoDatPath()), MsgBoxIcon::Exclamation);
}

// Saving 7 8, deleting the series chosen and deleting all fail, a full disk
// after part of the data: the file and the list stay as they were, nothing is
// left beside the file, the series composed is still there. Then the save
// goes through.
TEST(GuastiSerie, UnGuastoLasciaFileEdElencoComEranoEIlProgrammaProsegue) {
    prova::BancoSerie b(10, {{1, 2}, {3}, {4, 5, 6}});
    prova::MsgBoxScript script;
    const std::string tre = LeggiBytes(SeriePath());
    const QStringList voci = b.Combo();
    for (int n : {7, 8}) {
        b.Scegli("List1", n);
        b.Premi("Command2_0");
    }
    const std::tuple<const char*, const char*, Op, const char*> guasti[] = {
        {"Command1_4", "Salvare Serie ?", Op::WriteAt, "scrivere"},
        {"Command1_1", " Eliminare Serie selezionata ?", Op::WriteBeside, "scrivere"},
        {"Command1_1", " Eliminare Serie selezionata ?", Op::Rename, "sostituire"},
        {"Command1_2", " Eliminare tutte le Serie in Archivio ?", Op::Remove, "eliminare"}};
    for (const auto& [pulsante, domanda, op, verbo] : guasti) {
        prova::IoGuasto io;
        io.Fallisci(op, ENOSPC);
        io.ScritturaParziale(10);
        Conferma(script, b.C(pulsante), domanda,
                 QString("Impossibile %1 il file %2: spazio su disco esaurito.")
                     .arg(verbo, Citato(SeriePath())));
        EXPECT_EQ(LeggiBytes(SeriePath()), tre) << pulsante;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(SeriePath().parent_path()),
                                std::filesystem::directory_iterator()),
                  2);
        EXPECT_EQ(b.Combo() << b.Voci("List2"), voci + QStringList({"7", "8"}));
        EXPECT_TRUE(b.principale.isEnabled());
    }
    EXPECT_EQ(voci.join('|'), "-1 -2     S_1|-3     S_2|-4 -5 -6     S_3");
    Conferma(script, b.C("Command1_4"), "Salvare Serie ?");
    EXPECT_EQ(b.Combo(), voci + QStringList{"-7 -8     S_4"});
}

// A folder or a FIFO where "Lotto.dat" or "Serie" should be: the windows say
// so once and go on, nothing waits for a FIFO's writer, and a save says it
// once more.
TEST(NonFile, CartelleEFifoAlPostoDeiFileSiRifiutano) {
    for (bool fifo : {false, true})
        for (const std::string nome : {"Lotto.dat", "Serie"}) {
            SCOPED_TRACE(nome + (fifo ? " FIFO" : " cartella"));
            prova::CartellaProva cartella;
            if (nome == "Serie") prova::ScriviArchivio(prova::Settimanali(3));
            const auto file = cartella.File(nome);
            ASSERT_EQ(fifo ? ::mkfifo(file.c_str(), 0644) : ::mkdir(file.c_str(), 0755), 0);
            const QString rifiuto = "Impossibile usare " + Citato(file) +
                                    (fifo ? ": è una FIFO, un dispositivo o un socket, non un file."
                                          : ": è una cartella, non un file.");
            prova::MsgBoxScript script;
            script.Attendi(rifiuto, MsgBoxButtons::Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
            MDIForm1 principale;
            principale.mnuEstra()->trigger();
            principale.mnuSerie()->trigger();
            EXPECT_EQ(Module1().DrawCount, nome == "Serie" ? 3 : 0);
            if (nome == "Lotto.dat") continue;
            auto* serie = Serie::Istanza();
            serie->findChild<QListWidget*>("List1")->setCurrentRow(6);
            QTest::mouseClick(serie->findChild<QWidget*>("Command2_0"), Qt::LeftButton);
            Conferma(script, serie->findChild<QWidget*>("Command1_4"), "Salvare Serie ?", rifiuto);
        }
}

// Files of random bytes and lengths, the last series now and then a real
// one, opened as a player opens them: the archive window shows the last whole
// record; the series window lists every whole record of 40 bytes, or offers
// no analysis when there is none; the series chosen, the last, is analysed,
// or refused as holding a number outside 1..90. Nothing else is said, no
// loading window is left, and the main window takes input.
TEST(FileCasuali, LeFinestreMostranoOppureRifiutano) {
    std::mt19937 caso(20261206);
    struct : MsgBoxResponder {
        QStringList testi;
        MsgBoxResult Answer(const QString& testo, MsgBoxButtons, MsgBoxIcon) override {
            testi << testo;
            return MsgBoxResult::Ok;
        }
    } risposte;
    SetMsgBoxResponder(&risposte);
    int analisi = 0;
    for (int giro = 0; giro < 25; ++giro) {
        prova::CartellaProva cartella;
        std::string archivio(caso() % (300 * 106), '\0'), serie(caso() % 240, '\0');
        for (char& c : archivio)
            c = char(caso());
        for (char& c : serie)
            c = char(caso());
        const int estrazioni = int(archivio.size() / 106), registrate = int(serie.size() / 40);
        if (registrate > 0 && caso() % 2) {
            const std::size_t ultima = 40 * (registrate - 1);
            serie.replace(ultima, 40, std::string(40, '\0'));
            for (int n = int(caso() % 20); n >= 0; --n)
                serie[ultima + 2 * n] = char(1 + caso() % 90);
        }
        prova::ScriviBytes(LottoDatPath(), archivio);
        prova::ScriviBytes(SeriePath(), serie);
        risposte.testi.clear();
        MDIForm1 principale;
        principale.mnuEstra()->trigger();
        EXPECT_EQ(Archivio::Istanza()->Label1()->text(),
                  estrazioni ? QString::number(estrazioni) : "");
        principale.mnuSerie()->trigger();
        auto* elabora = Serie::Istanza()->findChild<QAbstractButton*>("Command1_0");
        EXPECT_EQ(Serie::Istanza()->findChild<QComboBox*>("Combo1")->count(),
                  std::max(registrate, 1));
        EXPECT_EQ(elabora->isEnabled(), registrate > 0);
        if (elabora->isEnabled()) QTest::mouseClick(elabora, Qt::LeftButton);
        analisi += !AnalysisWindow().isNull();
        EXPECT_EQ(risposte.testi.size(), registrate > 0 && AnalysisWindow().isNull()) << giro;
        for (const QString& testo : risposte.testi)
            EXPECT_TRUE(testo.startsWith("Serie non valida: il numero ") &&
                        testo.endsWith(" è fuori dall'intervallo 1-90."))
                << testo.toStdString();
        EXPECT_TRUE(principale.isEnabled() && !Form41::Istanza());
    }
    SetMsgBoxResponder(nullptr);
    EXPECT_GT(analisi, 8);
}

}  // namespace
}  // namespace ruotario
