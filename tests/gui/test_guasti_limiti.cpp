// File failures and the archive's limits, met through the windows.
//
// Failures: the append of a new draw, the series file's save, delete-one and
// delete-all, and an archive that cannot be read when a series is analysed.
// Each time the user reads what failed, on which file and why; the file is the
// old one or the complete new one; the window goes on working and the main
// window is never left disabled.
//
// Limits: 32,767 draws, the most the file format counts, and a year with more
// draws than an 8-bit count holds.
#include <sys/stat.h>

#include <QListWidget>
#include <cerrno>
#include <map>

#include "archive/finestra_prova.h"
#include "series/banco_serie.h"
#include "shell/form41.h"
#include "shell/vista_griglia.h"
#include "store/cartella_dati.h"
#include "store/lotto_dat.h"
#include "support/cella_vista.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using Op = prova::IoGuasto::Op;
using prova::LeggiBytes;
using prova::MsgBoxScript;
using prova::ScriviBytes;

QString Citato(const std::filesystem::path& file) {
    return "\"" + QString::fromStdString(file.string()) + "\"";
}

// "Impossibile scrivere il file "…": spazio su disco esaurito."
QString NonSi(const char* azione, const std::filesystem::path& file, int codice) {
    const char* motivo = codice == ENOSPC   ? "spazio su disco esaurito"
                         : codice == EROFS  ? "il disco è in sola lettura"
                         : codice == EACCES ? "accesso negato"
                         : codice == ENOENT ? "il file o la cartella non esiste"
                                            : "errore di lettura o scrittura sul disco";
    return QString("Impossibile %1 il file %2: %3.").arg(azione, Citato(file), motivo);
}

// Clicks, answering Yes to the question if one is asked and OK to the error
// that follows if one is expected.
void Conferma(MsgBoxScript& script, QWidget* pulsante, const QString& domanda,
              const QString& errore = {}, MsgBoxIcon icona = MsgBoxIcon::Critical) {
    if (!domanda.isEmpty())
        script.Attendi(domanda, MsgBoxButtons::YesNo, MsgBoxIcon::Question, MsgBoxResult::Yes);
    if (!errore.isEmpty()) script.Attendi(errore, MsgBoxButtons::Ok, icona, MsgBoxResult::Ok);
    QTest::mouseClick(pulsante, Qt::LeftButton);
}

// ---------------------------------------------------------------------------
// The archive window.

// Every wheel typed as 01 02 03 04 05; after three weekly draws it is saved
// on the date proposed, 21/1/1871.
const QString kDigitata = QString("0102030405").repeated(10);

std::string RecordDigitato() {
    DrawRecord draw = prova::EstrazioneVuota(21, 1, 1871);
    for (int w = 1; w <= 10; ++w)
        prova::Ruota(draw, w, {1, 2, 3, 4, 5});
    return EncodeDraw(draw);
}

struct GuastiArchivio : prova::FinestraArchivio {
    void Digita() {
        Clic(archivio->Inserisci());
        QTest::keyClicks(Griglia(), kDigitata);
    }
    // The archive `dati`, counted afresh, and a draw typed into a new archive window.
    void Riapri(const std::string& dati) {
        ScriviBytes(LottoDatPath(), dati);
        principale->Form_Load();
        principale->mnuEstra()->trigger();
        archivio = Archivio::Istanza();
        ASSERT_NE(archivio, nullptr);
        Digita();
    }
    void Salva(const QString& errore = {}, MsgBoxIcon icona = MsgBoxIcon::Critical) {
        Conferma(script, archivio->Salva(), "Archiviare Estrazione ?", errore, icona);
    }
    // The save failed and left the file so; nothing changed in the window:
    // entry is on with the typed draw, and the main window takes input.
    void AncoraInInserimento(const std::string& dopo) const {
        EXPECT_TRUE(LeggiBytes(LottoDatPath()) == dopo);
        EXPECT_TRUE(principale->isEnabled());
        EXPECT_EQ(Archivio::Istanza(), archivio);
        EXPECT_EQ(Module1().EntryPending, 1);
        EXPECT_EQ(Numeri().join(""), kDigitata);
    }
    // The record shown, its date, and its numbers within year and month.
    QString Scheda() const {
        return archivio->Label1()->text() + " " + Cella(0, 2) + "/" + Cella(0, 3) + "/" +
               Cella(0, 4) + " " + archivio->Label3()->text() + " " + archivio->Label4()->text();
    }
    // Scrolls to each record, named first in what the window must show there.
    void Sfoglia(std::initializer_list<const char*> schede) const {
        for (const char* scheda : schede) {
            archivio->VScroll1()->setValue(QString(scheda).section(' ', 0, 0).toInt());
            EXPECT_EQ(Scheda(), scheda);
        }
    }
};
using Limiti = GuastiArchivio;

TEST_F(GuastiArchivio, UnSalvataggioFallitoNonLasciaMezzoRecordNeBuchi) {
    Apri(prova::Settimanali(3));
    const std::string prima = LeggiBytes(LottoDatPath());
    // Another program shortens the archive while the window shows it: a draw
    // that is gone cannot be shown, the others still can.
    const std::string corto = prima.substr(0, 2 * kDrawRecordSize);
    ScriviBytes(LottoDatPath(), corto);
    script.Attendi("Impossibile leggere l'estrazione 3 dal file " + Citato(LottoDatPath()) +
                       ": il file è più corto del previsto.",
                   MsgBoxButtons::Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
    for (int record : {1, 3, 2})
        archivio->VScroll1()->setValue(record);
    EXPECT_EQ(archivio->Label1()->text() + " " + Cella(0, 2) + "/" + Cella(0, 3), "2 14/1");

    // Shortened, removed or lengthened by another program before the save:
    // the draw goes after the last one the file holds then, nothing is lost,
    // and the main window, loaded again, counts what is there.
    const std::string altra = prima + EncodeDraw(prova::Estrazione(28, 1, 1871, 9));
    for (const std::string& altro : {corto, std::string(), altra}) {
        SCOPED_TRACE(altro.size());
        Riapri(prima);
        if (altro.empty())
            std::filesystem::remove(LottoDatPath());
        else
            ScriviBytes(LottoDatPath(), altro);
        Salva();
        EXPECT_EQ(Archivio::Istanza(), nullptr);
        EXPECT_TRUE(LeggiBytes(LottoDatPath()) == altro + RecordDigitato());
        EXPECT_EQ(Module1().DrawCount, altro.size() / kDrawRecordSize + 1);
    }
    Riapri(prima);

    // A full disk or a read-only folder: what was written is taken back. When
    // even that fails, what is left is a fragment, not a draw, and the next
    // save writes over it.
    const std::string frammento = RecordDigitato().substr(0, 40);
    const std::tuple<int, std::size_t, int, std::string> guasti[] = {
        {ENOSPC, kDrawRecordSize, 0, prima},
        {EROFS, 0, 0, prima},
        {ENOSPC, 40, EIO, prima + frammento}};
    for (const auto& [codice, scritti, troncamento, dopo] : guasti) {
        SCOPED_TRACE(scritti);
        {
            prova::IoGuasto io;
            io.Fallisci(Op::WriteAt, codice);
            io.ScritturaParziale(scritti);
            if (troncamento) io.Fallisci(Op::Truncate, troncamento);
            Salva(NonSi("scrivere", LottoDatPath(), codice));
        }
        AncoraInInserimento(dopo);
    }

    // The save goes through even when the count after it fails: the main
    // window then takes the archive as empty, and says why.
    {
        prova::IoGuasto io;
        io.Fallisci(Op::Size, EIO, 2);  // the append's own look, then the count's
        Salva(NonSi("leggere", LottoDatPath(), EIO));
    }
    EXPECT_EQ(Archivio::Istanza(), nullptr);
    EXPECT_EQ(LeggiBytes(LottoDatPath()), prima + RecordDigitato());
    EXPECT_EQ(Module1().DrawCount, 0);
    EXPECT_TRUE(principale->isEnabled());
}

// Settimanali: one draw every Saturday from 7 January 1871; draw k (from 0)
// holds ((13k mod 90) + 7i) mod 90 + 1 in cell i. The last one, 27/12/2498,
// is the 52nd of its year and the 4th of December, with 79 86 3 10 17 on Bari.
TEST_F(Limiti, UnArchivioPienoSiSfogliaSiAnalizzaERifiutaLaProssima) {
    Apri(prova::Settimanali(kMaxEstrazioni));
    const std::string prima = LeggiBytes(LottoDatPath());
    ASSERT_EQ(prima.size(), 32767u * kDrawRecordSize);
    EXPECT_EQ(archivio->VScroll1()->maximum(), 32767);
    EXPECT_EQ(Scheda(), "32767 27/12/2498 52 4");
    EXPECT_EQ(Numeri().mid(0, 5), (QStringList{"79", "86", "3", "10", "17"}));
    Clic(archivio->Command1());
    EXPECT_EQ(Scheda(), "1 7/1/1871 1 1");
    Sfoglia({"16384 1/1/2185 1 1", "32766 20/12/2498 51 3", "2 14/1/1871 2 2"});
    Clic(archivio->Ultima());
    EXPECT_EQ(Scheda(), "32767 27/12/2498 52 4");

    // The next draw has no room.
    Digita();
    Salva("L'archivio è pieno: non può contenere più di 32767 estrazioni.",
          MsgBoxIcon::Exclamation);
    AncoraInInserimento(prima);

    // The whole archive analysed: 79 and 86 stand together on a wheel in
    // four draws of every ninety, and on Bari in the last one.
    ScriviBytes(SeriePath(), EncodeSerie(SeriesRecord{{79, 86}}));
    principale->mnuSerie()->trigger();
    Serie* serie = Serie::Istanza();
    ASSERT_NE(serie, nullptr);
    serie->findChild<QScrollBar*>("HScroll1")->setValue(1);
    QTest::mouseClick(serie->findChild<QWidget*>("Command1_0"), Qt::LeftButton);
    ASSERT_NE(AnalysisWindow(), nullptr);
    const VistaGriglia* grid = AnalysisWindow()->MSFlexGrid1();
    const std::tuple<int, int, const char*> aMano[] = {
        {0, 1, "79"}, {1, 4, "0"}, {11, 4, "0"}, {1, 5, "1457"}, {2, 5, "1456"}, {12, 5, "14563"}};
    for (const auto& [r, c, testo] : aMano)
        EXPECT_EQ(prova::TestoCella(grid, r, c), testo) << r << "," << c;
}

// 1991 has 300 draws, the 1st to the 25th of every month, between three
// draws of December 1990 and two of January 1992.
TEST_F(Limiti, UnAnnoDiTrecentoEstrazioni) {
    using prova::Estrazione;
    std::vector<DrawRecord> draws = {Estrazione(20, 12, 1990, 0), Estrazione(27, 12, 1990, 1),
                                     Estrazione(31, 12, 1990, 2)};
    for (int mese = 1; mese <= 12; ++mese)
        for (int giorno = 1; giorno <= 25; ++giorno)
            draws.push_back(Estrazione(giorno, mese, 1991, static_cast<int>(draws.size())));
    draws.push_back(Estrazione(4, 1, 1992, 303));
    draws.push_back(Estrazione(11, 1, 1992, 304));
    Apri(draws);
    EXPECT_EQ(Scheda(), "305 11/1/1992 2 2");
    Sfoglia({"303 25/12/1991 300 25", "259 6/11/1991 256 6", "258 5/11/1991 255 5",
             "304 4/1/1992 1 1", "4 1/1/1991 1 1", "3 31/12/1990 3 3"});
    EXPECT_TRUE(script.Mostrati().empty());
}

// ---------------------------------------------------------------------------
// The series window: analyse, save, delete one, delete all.

// Besides answering, notes whether the main window took input and the loading
// window was gone when each box came up.
class ScriptConStato : public MsgBoxScript {
  public:
    MsgBoxResult Answer(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon icona) override {
        MDIForm1* principale = MDIForm1::Istanza();
        libero.push_back(principale && principale->isEnabled() && !Form41::Istanza());
        return MsgBoxScript::Answer(testo, pulsanti, icona);
    }
    std::vector<bool> libero;
};

const QString kSegnaposto = "  Non ci sono Serie da Visualizzare ";

std::string Registrata(std::initializer_list<int> numeri) {
    SeriesRecord serie;
    std::copy(numeri.begin(), numeri.end(), serie.Slot.begin());
    return EncodeSerie(serie);
}

// Presses Elabora, Salva, Elimina or Svuota, answering as Conferma does.
void Premi(const prova::BancoSerie& b, MsgBoxScript& script, const char* pulsante,
           const QString& errore = {}, MsgBoxIcon icona = MsgBoxIcon::Critical) {
    const std::map<std::string, QString> domande = {
        {"Command1_0", ""},
        {"Command1_4", "Salvare Serie ?"},
        {"Command1_1", " Eliminare Serie selezionata ?"},
        {"Command1_2", " Eliminare tutte le Serie in Archivio ?"}};
    Conferma(script, b.C(pulsante), domande.at(pulsante), errore, icona);
}

// Another program changed "Serie" after the window listed it.
QString Cambiato(const char* cosa) {
    return QString(
               "Impossibile eliminare %1: il file %2 è stato modificato da un altro programma "
               "dopo che le serie sono state lette. Non è stato eliminato nulla.")
        .arg(cosa, Citato(SeriePath()));
}

// The list shows these entries, and the main window takes input.
void ElencoMostra(const prova::BancoSerie& b, const QStringList& voci) {
    EXPECT_EQ(b.Combo(), voci);
    EXPECT_TRUE(b.principale.isEnabled());
}

TEST(GuastiSerie, UnGuastoLasciaFileEdElencoComEranoEIlProgrammaProsegue) {
    prova::BancoSerie b(10, {{1, 2}, {3}, {4, 5, 6}});
    ScriptConStato script;
    const std::string tre = Registrata({1, 2}) + Registrata({3}) + Registrata({4, 5, 6});
    const QStringList voci = {"-1 -2     S_1", "-3     S_2", "-4 -5 -6     S_3"};
    for (int n : {7, 8}) {
        b.Scegli("List1", n);
        b.Premi("Command2_0");
    }
    // Analysing or deleting the series chosen, the last, saving 7 8 and
    // deleting all fail: the file and the list stay as they were, and so does
    // the series composed. The analysis reads the caption's dates before the
    // loading window comes up, and counts the draws after.
    const std::tuple<const char*, Op, int, std::size_t, const char*, const char*> guasti[] = {
        {"Command1_0", Op::Read, ENOENT, 0, "Lotto.dat", "leggere"},
        {"Command1_0", Op::Size, EACCES, 0, "Lotto.dat", "leggere"},
        {"Command1_4", Op::WriteAt, ENOSPC, 10, "Serie", "scrivere"},
        {"Command1_4", Op::WriteAt, EROFS, 0, "Serie", "scrivere"},
        {"Command1_1", Op::WriteBeside, ENOSPC, 40, "Serie", "scrivere"},
        {"Command1_1", Op::WriteBeside, EROFS, 0, "Serie", "scrivere"},
        {"Command1_1", Op::Rename, EROFS, 0, "Serie", "sostituire"},
        {"Command1_2", Op::Remove, EROFS, 0, "Serie", "eliminare"},
    };
    for (const auto& [pulsante, op, codice, parziale, file, verbo] : guasti) {
        SCOPED_TRACE(std::string(pulsante) + ", " + verbo + " " + file);
        {
            prova::IoGuasto io;
            io.Fallisci(op, codice);
            io.ScritturaParziale(parziale);
            Premi(b, script, pulsante, NonSi(verbo, AppFile(file), codice));
        }
        EXPECT_EQ(LeggiBytes(SeriePath()), tre);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(SeriePath().parent_path()),
                                std::filesystem::directory_iterator()),
                  2);  // "Lotto.dat" and "Serie", nothing left beside them
        EXPECT_TRUE(AnalysisWindow().isNull());
        ElencoMostra(b, voci);
        EXPECT_EQ(b.Voci("List2"), (QStringList{"7", "8"}));
    }

    // The same commands now go through.
    ASSERT_NE(b.Elabora(1), nullptr);
    b.principale.ChiudiFinestra(AnalysisWindow());
    Premi(b, script, "Command1_4");
    EXPECT_EQ(LeggiBytes(SeriePath()), tre + Registrata({7, 8}));
    ElencoMostra(b, voci + QStringList{"-7 -8     S_4"});
    b.C<QComboBox>("Combo1")->setCurrentIndex(1);
    Premi(b, script, "Command1_1");
    const std::string tolta = Registrata({1, 2}) + Registrata({4, 5, 6}) + Registrata({7, 8});
    EXPECT_EQ(LeggiBytes(SeriePath()), tolta);
    ElencoMostra(b, {"-1 -2     S_1", "-4 -5 -6     S_2", "-7 -8     S_3"});

    // Another program shortens "Serie" after the window listed it, then
    // removes it: the third series is no longer there to delete.
    const std::string corto = tolta.substr(0, 2 * kSeriesRecordSize);
    ScriviBytes(SeriePath(), corto);
    Premi(b, script, "Command1_1", Cambiato("la serie S_3"), MsgBoxIcon::Exclamation);
    EXPECT_EQ(LeggiBytes(SeriePath()), corto);
    ElencoMostra(b, {"-1 -2     S_1", "-4 -5 -6     S_2"});
    std::filesystem::remove(SeriePath());
    Premi(b, script, "Command1_1",
          "Impossibile eliminare la serie: il file " + Citato(SeriePath()) + " non esiste più.");
    EXPECT_EQ(std::filesystem::file_size(SeriePath()), 0u);  // listed again, so there again
    ElencoMostra(b, {kSegnaposto});

    // The only series goes with its file; a file that cannot go stays listed.
    Premi(b, script, "Command1_4");
    {
        prova::IoGuasto io;
        io.Fallisci(Op::Remove, EROFS);
        Premi(b, script, "Command1_1", NonSi("eliminare", SeriePath(), EROFS));
    }
    EXPECT_EQ(LeggiBytes(SeriePath()), Registrata({7, 8}));
    ElencoMostra(b, {"-7 -8     S_1"});

    // Series another program saved after the listing are not emptied unseen.
    ScriviBytes(SeriePath(), Registrata({7, 8}) + Registrata({9}));
    Premi(b, script, "Command1_2", Cambiato("le serie"), MsgBoxIcon::Exclamation);
    ElencoMostra(b, {"-7 -8     S_1", "-9     S_2"});
    EXPECT_EQ(std::count(script.libero.begin(), script.libero.end(), false), 0);
}

// A folder or a FIFO where "Lotto.dat" or "Serie" should be: the windows say
// so once and go on, and nothing waits for a FIFO's writer.
TEST(NonFile, CartelleEFifoAlPostoDeiFileSiRifiutano) {
    for (bool fifo : {false, true})
        for (const char* nome : {"Lotto.dat", "Serie"}) {
            SCOPED_TRACE(std::string(nome) + (fifo ? " FIFO" : " cartella"));
            prova::CartellaProva cartella;
            const bool archivio = nome == std::string("Lotto.dat");
            if (!archivio) prova::ScriviArchivio(prova::Settimanali(3));
            const auto file = cartella.File(nome);
            ASSERT_EQ(fifo ? ::mkfifo(file.c_str(), 0644) : ::mkdir(file.c_str(), 0755), 0);
            const QString rifiuto = "Impossibile usare " + Citato(file) +
                                    (fifo ? ": è una FIFO, un dispositivo o un socket, non un file."
                                          : ": è una cartella, non un file.");
            MsgBoxScript script;
            script.Attendi(rifiuto, MsgBoxButtons::Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
            MDIForm1 principale;
            principale.show();
            principale.mnuEstra()->trigger();
            principale.mnuSerie()->trigger();
            EXPECT_EQ(Module1().DrawCount, archivio ? 0 : 3);
            if (archivio) continue;
            // Saving says it once more, and only once.
            auto* serie = Serie::Istanza();
            auto* lista = serie->findChild<QListWidget*>("List1");
            lista->setCurrentRow(6);
            QTest::mouseClick(serie->findChild<QWidget*>("Command2_0"), Qt::LeftButton);
            Conferma(script, serie->findChild<QWidget*>("Command1_4"), "Salvare Serie ?", rifiuto);
            EXPECT_TRUE(script.Esaurito());
        }
}

}  // namespace
}  // namespace ruotario
