// File failures met through the windows: the append of a new draw, the
// series file's save, delete-one and delete-all, and an archive that cannot
// be read while an analysis runs. Each time the user reads what failed, on
// which file and why; the file is the old one or the complete new one; the
// window goes on working and the main window is never left disabled.
#include <QMdiArea>
#include <cerrno>
#include <functional>

#include "archive/finestra_prova.h"
#include "series/banco_serie.h"
#include "shell/form41.h"
#include "store/archivio.h"
#include "support/io_guasto.h"

namespace ruotario {
namespace {

using Op = prova::IoGuasto::Op;
using prova::Estrazione;
using prova::LeggiBytes;
using prova::MsgBoxScript;
using prova::ScriviBytes;

constexpr auto Ok = MsgBoxButtons::Ok;
constexpr auto SiNo = MsgBoxButtons::YesNo;
constexpr auto Critica = MsgBoxIcon::Critical;
constexpr auto Domanda = MsgBoxIcon::Question;
const QString kArchiviare = "Archiviare Estrazione ?";

QString Citato(const std::filesystem::path& file) {
    return "\"" + QString::fromStdString(file.string()) + "\"";
}

QString NonSiScrive(const std::filesystem::path& file, const char* azione, const char* motivo) {
    return QString("Impossibile %1 il file %2: %3.").arg(azione, Citato(file), motivo);
}

// ---------------------------------------------------------------------------
// Appending a new draw from the archive window.

// Wheel w gets w, w + 10, ..., w + 40, each typed as two digits.
QString Digitata() {
    QString cifre;
    for (int w = 1; w <= 10; ++w)
        for (int p = 0; p < 5; ++p)
            cifre += QString("%1").arg(w + p * 10, 2, 10, QChar('0'));
    return cifre;
}

// What Digitata() saves on the date proposed after Settimanali(3): 21/1/1871.
std::string RecordDigitato() {
    DrawRecord draw = prova::EstrazioneVuota(21, 1, 1871);
    for (int w = 1; w <= 10; ++w)
        for (int p = 1; p <= 5; ++p)
            draw.Numbers(p, w) = static_cast<std::int16_t>(w + (p - 1) * 10);
    return EncodeDraw(draw);
}

struct GuastiArchivio : prova::FinestraArchivio {
    void Digita() {
        Clic(archivio->Inserisci());
        QTest::keyClicks(Griglia(), Digitata());
    }
    // The failed append changed nothing in the window: entry is on with the
    // typed draw and its date, and the main window takes input.
    void TuttoAncoraInInserimento() {
        EXPECT_TRUE(principale->isEnabled());
        EXPECT_EQ(Archivio::Istanza(), archivio);
        EXPECT_EQ(Module1().EntryPending, 1);
        EXPECT_EQ(archivio->windowTitle(), "Inserisci Estrazione");
        EXPECT_FALSE(archivio->VScroll1()->isEnabled());
        EXPECT_EQ(Numeri().join(""), Digitata());
        EXPECT_EQ(archivio->Combo2(0)->currentText() + "/" + archivio->Combo2(1)->currentText() +
                      "/" + archivio->Combo2(2)->currentText(),
                  "21/01/1871");
    }
    // The file no longer holds the draws the window counted.
    static QString Rifiuto(const char* quante) {
        return QString(
                   "Impossibile aggiungere l'estrazione al file %1: il file contiene %2 "
                   "estrazioni di quelle contate, forse è stato modificato da un altro "
                   "programma.")
            .arg(Citato(ArchivioPath()), QString::fromUtf8(quante));
    }
    // Saving again goes through: the draw is the new last record and the
    // main window counts it.
    void SecondoTentativo(const std::string& prima, int conteggio) {
        script.Attendi(kArchiviare, SiNo, Domanda, MsgBoxResult::Yes);
        Clic(archivio->Salva());
        EXPECT_EQ(Archivio::Istanza(), nullptr);
        EXPECT_EQ(LeggiBytes(ArchivioPath()), prima + RecordDigitato());
        EXPECT_EQ(Module1().DrawCount, conteggio + 1);
        EXPECT_TRUE(principale->isVisible());
        EXPECT_TRUE(principale->isEnabled());
    }
};

TEST_F(GuastiArchivio, UnAccodamentoFallitoNonLasciaMezzoRecord) {
    Apri(prova::Settimanali(3));
    const QString pieno = NonSiScrive(ArchivioPath(), "scrivere", "spazio su disco esaurito");
    struct Caso {
        const char* nome;
        std::function<void(prova::IoGuasto&)> guasto;
        QString messaggio;
        std::size_t avanzo;  // bytes of the record the failure leaves behind
    };
    const Caso casi[] = {
        {"scritto per intero, non scaricato sul disco",
         [](auto& g) {
             g.Fallisci(Op::WriteAt, ENOSPC);
             g.ScritturaParziale(kDrawRecordSize);
         },
         pieno, 0},
        {"cartella in sola lettura", [](auto& g) { g.Fallisci(Op::WriteAt, EROFS); },
         NonSiScrive(ArchivioPath(), "scrivere", "il disco è in sola lettura"), 0},
        // The file cannot even be shortened again: what is left is a fragment,
        // not a draw, and the next save writes over it.
        {"disco pieno e lunghezza di prima non ripristinabile",
         [](auto& g) {
             g.Fallisci(Op::WriteAt, ENOSPC);
             g.ScritturaParziale(40);
             g.Fallisci(Op::Truncate, EIO);
         },
         pieno, 40},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        principale->mnuEstra()->trigger();
        archivio = Archivio::Istanza();
        ASSERT_NE(archivio, nullptr);
        const std::string prima = LeggiBytes(ArchivioPath());
        const int conteggio = Module1().DrawCount;
        Digita();
        {
            prova::IoGuasto guasto;
            caso.guasto(guasto);
            script.Attendi(kArchiviare, SiNo, Domanda, MsgBoxResult::Yes)
                .Attendi(caso.messaggio, Ok, Critica, MsgBoxResult::Ok);
            Clic(archivio->Salva());
        }
        TuttoAncoraInInserimento();
        EXPECT_EQ(LeggiBytes(ArchivioPath()), prima + RecordDigitato().substr(0, caso.avanzo));
        EXPECT_EQ(ContaRecord(ArchivioPath()), conteggio);
        SecondoTentativo(prima, conteggio);
    }
}

// Another program shortens, removes or lengthens the archive while the window
// shows it: a draw that is gone cannot be shown, and a save would leave a hole
// of empty draws or write over the other program's draw, so it is refused;
// putting the file back makes everything work again.
TEST_F(GuastiArchivio, LArchivioCambiaMentreLaFinestraEAperta) {
    Apri(prova::Settimanali(3));
    const std::string prima = LeggiBytes(ArchivioPath());
    const std::string corto = prima.substr(0, 2 * kDrawRecordSize);
    ScriviBytes(ArchivioPath(), corto);
    archivio->VScroll1()->setValue(1);
    EXPECT_EQ(archivio->Label1()->text(), "1");
    script.Attendi("Impossibile leggere l'estrazione 3 dal file " + Citato(ArchivioPath()) +
                       ": il file è più corto del previsto.",
                   Ok, Critica, MsgBoxResult::Ok);
    archivio->VScroll1()->setValue(3);
    archivio->VScroll1()->setValue(2);
    EXPECT_EQ(archivio->Label1()->text(), "2");
    EXPECT_EQ(Cella(0, 2) + "/" + Cella(0, 3), "14/1");

    ScriviBytes(ArchivioPath(), prima);
    Digita();
    const QString rifiuto = Rifiuto("meno");
    ScriviBytes(ArchivioPath(), corto);
    script.Attendi(kArchiviare, SiNo, Domanda, MsgBoxResult::Yes)
        .Attendi(rifiuto, Ok, Critica, MsgBoxResult::Ok);
    Clic(archivio->Salva());
    TuttoAncoraInInserimento();
    EXPECT_EQ(LeggiBytes(ArchivioPath()), corto);

    std::filesystem::remove(ArchivioPath());
    script.Attendi(kArchiviare, SiNo, Domanda, MsgBoxResult::Yes)
        .Attendi(rifiuto, Ok, Critica, MsgBoxResult::Ok);
    Clic(archivio->Salva());
    TuttoAncoraInInserimento();
    EXPECT_FALSE(std::filesystem::exists(ArchivioPath()));

    // A draw appended meanwhile by another program is not written over.
    const std::string altra = EncodeDraw(Estrazione(28, 1, 1871, 9));
    ScriviBytes(ArchivioPath(), prima + altra);
    script.Attendi(kArchiviare, SiNo, Domanda, MsgBoxResult::Yes)
        .Attendi(Rifiuto("più"), Ok, Critica, MsgBoxResult::Ok);
    Clic(archivio->Salva());
    TuttoAncoraInInserimento();
    EXPECT_EQ(LeggiBytes(ArchivioPath()), prima + altra);

    ScriviBytes(ArchivioPath(), prima);
    SecondoTentativo(prima, 3);
}

// The count after a save fails: the main window takes the archive as empty,
// and a save from there must not write the new draw over the first one.
TEST_F(GuastiArchivio, DopoUnConteggioFallitoNonSiSovrascriveNulla) {
    Apri(prova::Settimanali(3));
    const std::string prima = LeggiBytes(ArchivioPath());
    Digita();
    {
        prova::IoGuasto guasto;
        guasto.Fallisci(Op::Size, EIO, 2);  // the append's own look, then the count's
        script.Attendi(kArchiviare, SiNo, Domanda, MsgBoxResult::Yes)
            .Attendi(
                NonSiScrive(ArchivioPath(), "leggere", "errore di lettura o scrittura sul disco"),
                Ok, Critica, MsgBoxResult::Ok);
        Clic(archivio->Salva());
    }
    const std::string salvato = prima + RecordDigitato();
    EXPECT_EQ(LeggiBytes(ArchivioPath()), salvato);
    EXPECT_EQ(Module1().DrawCount, 0);
    EXPECT_TRUE(principale->isVisible());
    EXPECT_TRUE(principale->isEnabled());

    principale->mnuEstra()->trigger();
    archivio = Archivio::Istanza();
    ASSERT_NE(archivio, nullptr);
    EXPECT_EQ(archivio->Label1()->text(), "");
    Clic(archivio->Inserisci());
    QTest::keyClicks(Griglia(), Digitata());
    script.Attendi(kArchiviare, SiNo, Domanda, MsgBoxResult::Yes)
        .Attendi(Rifiuto("più"), Ok, Critica, MsgBoxResult::Ok);
    Clic(archivio->Salva());
    EXPECT_EQ(LeggiBytes(ArchivioPath()), salvato);
    EXPECT_EQ(Module1().EntryPending, 1);
    EXPECT_EQ(Numeri().join(""), Digitata());
}

// ---------------------------------------------------------------------------
// The series window: save, delete one, delete all.

const QString kSalvare = "Salvare Serie ?";
const QString kEliminare = " Eliminare Serie selezionata ?";
const QString kSvuotare = " Eliminare tutte le Serie in Archivio ?";
const QString kSegnaposto = "  Non ci sono Serie da Visualizzare ";
const QStringList kTre = {"-1 -2     S_1", "-3     S_2", "-4 -5 -6     S_3"};

std::string Registrata(std::initializer_list<int> numeri) {
    SeriesRecord serie;
    std::copy(numeri.begin(), numeri.end(), serie.Slot.begin());
    return EncodeSerie(serie);
}

// The list shows these entries, the last one chosen, and the buttons that
// act on a stored series are enabled exactly when there is one.
void ElencoMostra(const prova::BancoSerie& b, const QStringList& voci) {
    EXPECT_EQ(b.Combo(), voci);
    EXPECT_EQ(b.C<QComboBox>("Combo1")->currentIndex(), voci.size() - 1);
    const bool ci = voci != QStringList{kSegnaposto};
    for (const char* pulsante : {"Command1_0", "Command1_1", "Command1_2"})
        EXPECT_EQ(b.C(pulsante)->isEnabled(), ci) << pulsante;
    EXPECT_TRUE(b.principale.isEnabled());
    EXPECT_NE(Serie::Istanza(), nullptr);
}

void ComponiSetteOtto(const prova::BancoSerie& b) {
    for (int n : {7, 8}) {
        b.Scegli("List1", n);
        b.Premi("Command2_0");
    }
}

TEST(GuastiSerie, UnGuastoLasciaIlFileEdElencoComEranoEIlSecondoTentativoRiesce) {
    const std::string tre = Registrata({1, 2}) + Registrata({3}) + Registrata({4, 5, 6});
    const std::string senzaLaSeconda = Registrata({1, 2}) + Registrata({4, 5, 6});
    const QStringList conSetteOtto = kTre + QStringList{"-7 -8     S_4"};
    const QStringList senzaSeconda = {"-1 -2     S_1", "-4 -5 -6     S_2"};
    struct Caso {
        const char* nome;
        const char* pulsante;
        QString domanda;
        Op op;
        int codice;
        std::size_t parziale;
        const char* file;  // named by the message
        const char* azione;
        const char* motivo;
        std::string dopo;  // the file after the second try
        QStringList voci;  // and the list
    };
    const Caso casi[] = {
        {"salva, disco pieno a metà record", "Command1_4", kSalvare, Op::WriteAt, ENOSPC, 10,
         "Serie", "scrivere", "spazio su disco esaurito", tre + Registrata({7, 8}), conSetteOtto},
        {"salva, cartella in sola lettura", "Command1_4", kSalvare, Op::WriteAt, EROFS, 0, "Serie",
         "scrivere", "il disco è in sola lettura", tre + Registrata({7, 8}), conSetteOtto},
        {"elimina, disco pieno scrivendo il nuovo file", "Command1_1", kEliminare, Op::WriteNew,
         ENOSPC, 40, "Serie2", "creare", "spazio su disco esaurito", senzaLaSeconda, senzaSeconda},
        {"elimina, cartella in sola lettura", "Command1_1", kEliminare, Op::WriteNew, EROFS, 0,
         "Serie2", "creare", "il disco è in sola lettura", senzaLaSeconda, senzaSeconda},
        {"svuota, cartella in sola lettura", "Command1_2", kSvuotare, Op::Remove, EROFS, 0, "Serie",
         "eliminare", "il disco è in sola lettura", "", QStringList{kSegnaposto}},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        prova::BancoSerie b(10, {{1, 2}, {3}, {4, 5, 6}});
        MsgBoxScript script;
        ComponiSetteOtto(b);
        // Elimina acts on the second series, chosen anew each time.
        auto Scegli = [&] {
            if (std::string(caso.pulsante) == "Command1_1")
                b.C<QComboBox>("Combo1")->setCurrentIndex(1);
        };
        Scegli();
        {
            prova::IoGuasto guasto;
            guasto.Fallisci(caso.op, caso.codice);
            guasto.ScritturaParziale(caso.parziale);
            script.Attendi(caso.domanda, SiNo, Domanda, MsgBoxResult::Yes)
                .Attendi(NonSiScrive(AppFile(caso.file), caso.azione, caso.motivo), Ok, Critica,
                         MsgBoxResult::Ok);
            b.Premi(caso.pulsante);
        }
        EXPECT_EQ(LeggiBytes(SeriePath()), tre);
        EXPECT_FALSE(std::filesystem::exists(Serie2Path()));
        ElencoMostra(b, kTre);
        EXPECT_EQ(b.Voci("List2"), (QStringList{"7", "8"}));

        Scegli();
        script.Attendi(caso.domanda, SiNo, Domanda, MsgBoxResult::Yes);
        b.Premi(caso.pulsante);
        EXPECT_EQ(LeggiBytes(SeriePath()), caso.dopo);
        ElencoMostra(b, caso.voci);
    }
}

// Another program shortens or removes "Serie" after the window listed it.
TEST(GuastiSerie, IlFileCambiaDopoLElenco) {
    prova::BancoSerie b(10, {{1, 2}, {3}, {4, 5, 6}});
    MsgBoxScript script;
    const QString file = Citato(SeriePath());

    ScriviBytes(SeriePath(), Registrata({1, 2}) + Registrata({3}));
    script.Attendi(kEliminare, SiNo, Domanda, MsgBoxResult::Yes)
        .Attendi("Impossibile eliminare la serie 3: il file " + file +
                     " ne contiene 2, forse è stato modificato da un altro programma.",
                 Ok, Critica, MsgBoxResult::Ok);
    b.Premi("Command1_1");
    EXPECT_EQ(LeggiBytes(SeriePath()), Registrata({1, 2}) + Registrata({3}));
    ElencoMostra(b, kTre.mid(0, 2));

    std::filesystem::remove(SeriePath());
    script.Attendi(kEliminare, SiNo, Domanda, MsgBoxResult::Yes)
        .Attendi("Impossibile eliminare la serie: il file " + file + " non esiste più.", Ok,
                 Critica, MsgBoxResult::Ok);
    b.Premi("Command1_1");
    EXPECT_EQ(LeggiBytes(SeriePath()), "");  // listed again, so there again, empty
    ElencoMostra(b, {kSegnaposto});

    // The window goes on: a new series is saved as the first.
    ComponiSetteOtto(b);
    script.Attendi(kSalvare, SiNo, Domanda, MsgBoxResult::Yes);
    b.Premi("Command1_4");
    EXPECT_EQ(LeggiBytes(SeriePath()), Registrata({7, 8}));
    ElencoMostra(b, {"-7 -8     S_1"});

    // The only series goes with its file; a file that cannot go stays listed.
    {
        prova::IoGuasto guasto;
        guasto.Fallisci(Op::Remove, EROFS);
        script.Attendi(kEliminare, SiNo, Domanda, MsgBoxResult::Yes)
            .Attendi(NonSiScrive(SeriePath(), "eliminare", "il disco è in sola lettura"), Ok,
                     Critica, MsgBoxResult::Ok);
        b.Premi("Command1_1");
    }
    EXPECT_EQ(LeggiBytes(SeriePath()), Registrata({7, 8}));
    ElencoMostra(b, {"-7 -8     S_1"});

    // Emptying a file that is already gone empties nothing and says nothing.
    std::filesystem::remove(SeriePath());
    script.Attendi(kSvuotare, SiNo, Domanda, MsgBoxResult::Yes);
    b.Premi("Command1_2");
    ElencoMostra(b, {kSegnaposto});
}

// ---------------------------------------------------------------------------
// An analysis over an archive that cannot be read.

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

TEST(GuastiAnalisi, UnArchivioIlleggibileNonBloccaLaFinestraPrincipale) {
    prova::BancoSerie b(300, {{5, 17}});
    const std::string prima = LeggiBytes(ArchivioPath());
    const QString lotto = Citato(ArchivioPath());
    struct Caso {
        const char* nome;
        std::function<void(prova::IoGuasto&)> guasto;
        QString messaggio;
    };
    const Caso casi[] = {
        // The caption's dates are read first, then the loading window comes
        // up and the analysis counts the archive.
        {"conteggio negato durante l'analisi", [](auto& g) { g.Fallisci(Op::Size, EACCES); },
         "Impossibile leggere il file " + lotto + ": accesso negato."},
        {"archivio sparito prima della prima lettura",
         [](auto& g) { g.Fallisci(Op::Read, ENOENT); },
         "Impossibile leggere il file " + lotto + ": il file o la cartella non esiste."},
        {"archivio accorciato da un altro programma",
         [&](auto&) { ScriviBytes(ArchivioPath(), prima.substr(0, 200 * kDrawRecordSize)); },
         "Impossibile leggere l'estrazione 300 dal file " + lotto +
             ": il file è più corto del previsto."},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        {
            ScriptConStato script;
            prova::IoGuasto guasto;
            caso.guasto(guasto);
            script.Attendi(caso.messaggio, Ok, Critica, MsgBoxResult::Ok);
            EXPECT_EQ(b.Elabora(0), nullptr);
            EXPECT_EQ(script.libero, std::vector<bool>{true});
        }
        EXPECT_TRUE(AnalysisWindow().isNull());
        EXPECT_EQ(Form41::Istanza(), nullptr);
        EXPECT_TRUE(b.principale.isEnabled());
        EXPECT_EQ(b.principale.Area()->subWindowList().size(), 1);
        EXPECT_EQ(Module1().SeriesNumbers, (std::array<std::int16_t, 21>{}));

        // The file back as it was: the same click analyses.
        ScriviBytes(ArchivioPath(), prima);
        Ricerca2* analisi = b.Elabora(0);
        ASSERT_NE(analisi, nullptr);
        EXPECT_EQ(analisi->MSFlexGrid1()->TextMatrix(0, 1), "5");
        EXPECT_EQ(Form41::Istanza(), nullptr);
        EXPECT_TRUE(b.principale.isEnabled());
        b.principale.ChiudiFinestra(analisi);
    }
}

}  // namespace
}  // namespace ruotario
