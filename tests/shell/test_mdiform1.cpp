#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <cerrno>

#include "shell/form41.h"
#include "shell/mdiform1.h"
#include "store/archivio.h"
#include "store/module1.h"
#include "support/archivio_prova.h"
#include "support/io_guasto.h"
#include "support/msgbox_script.h"

namespace ruotario {
namespace {

using prova::MsgBoxScript;

// A child window that refuses to close while `rifiuta` is set.
class Ostinata : public QWidget, public RichiestaChiusura {
  public:
    bool rifiuta = true;
    bool QueryUnload() override { return !rifiuta; }

  protected:
    void closeEvent(QCloseEvent* event) override {
        if (QueryUnload())
            event->accept();
        else
            event->ignore();
    }
};

TEST(MDIForm1, MenuBandaETimerComeAlCaricamento) {
    prova::CartellaProva cartella;
    prova::ScriviArchivio(prova::Settimanali(7));
    MDIForm1 principale;
    EXPECT_EQ(principale.windowTitle(), "Ruotario");
    EXPECT_EQ(Module1().DrawCount, 7);
    EXPECT_EQ(Module1().WheelCode[8], "RO");

    QStringList voci;
    for (QAction* azione : principale.menuBar()->actions()) {
        voci << azione->text();
        EXPECT_EQ(azione->menu(), nullptr);
    }
    EXPECT_EQ(voci, (QStringList{"Esci", "&Estrazioni", "&Archivio Serie", "&About Ruotario..."}));

    EXPECT_EQ(principale.Label9()->text(), " ");
    EXPECT_EQ(principale.Label9()->font().family(), "Arial");
    for (QTimer* timer : {principale.Timer1(), principale.Timer2()}) {
        EXPECT_EQ(timer->interval(), 300);
        EXPECT_FALSE(timer->isActive());
    }

    principale.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principale));
    for (int larghezza : {500, 1100, 800}) {
        principale.resize(larghezza, 600);
        QTest::qWait(0);
        EXPECT_EQ(principale.Frame14()->width(), principale.width());
        EXPECT_EQ(principale.Frame14()->pos(), QPoint(0, 0));
        EXPECT_EQ(principale.Toolbar1()->height(), principale.Frame14()->height());
    }
}

TEST(MDIForm1, ArchivioIlleggibileSegnalatoEVuoto) {
    prova::CartellaProva cartella;
    prova::ScriviArchivio(prova::Settimanali(3));
    prova::IoGuasto guasto;
    guasto.Fallisci(prova::IoGuasto::Op::Size, EACCES);
    MsgBoxScript script;
    script.Attendi(QString::fromStdString("Impossibile leggere il file \"" +
                                          ArchivioPath().string() + "\": accesso negato."),
                   MsgBoxButtons::Ok, MsgBoxIcon::Critical, MsgBoxResult::Ok);
    MDIForm1 principale;
    EXPECT_EQ(Module1().DrawCount, 0);
    EXPECT_EQ(Module1().WheelCode[1], "BA");
}

TEST(MDIForm1, ArchivioOltreIlLimiteAvvisa) {
    prova::CartellaProva cartella;
    prova::ScriviBytes(ArchivioPath(), std::string(32768 * kDrawRecordSize, '\0'));
    MsgBoxScript script;
    script.Attendi("L'archivio contiene più di 32767 estrazioni: vengono usate le prime 32767.",
                   MsgBoxButtons::Ok, MsgBoxIcon::Exclamation, MsgBoxResult::Ok);
    MDIForm1 principale;
    EXPECT_EQ(Module1().DrawCount, 32767);
}

TEST(MDIForm1, EsciNonChiudeNullaSeUnaFinestraRifiuta) {
    prova::CartellaProva cartella;
    MDIForm1 principale;
    principale.show();
    auto* ostinata = new Ostinata;
    QPointer<QWidget> docile(new QWidget);
    principale.AggiungiFinestra(docile);
    principale.AggiungiFinestra(ostinata);

    principale.mnuexit()->trigger();
    QTest::qWait(0);
    EXPECT_TRUE(principale.isVisible());
    EXPECT_EQ(principale.Area()->subWindowList().size(), 2);
    EXPECT_FALSE(docile.isNull());

    // Behind a dialog the main window takes no input, its close box included.
    principale.setEnabled(false);
    ostinata->rifiuta = false;
    principale.close();
    EXPECT_TRUE(principale.isVisible());

    principale.setEnabled(true);
    principale.mnuexit()->trigger();
    EXPECT_FALSE(principale.isVisible());
    EXPECT_TRUE(principale.Area()->subWindowList().isEmpty());
}

TEST(MDIForm1, RicaricaChiudeLeFinestreEContaDiNuovo) {
    prova::CartellaProva cartella;
    auto draws = prova::Settimanali(3);
    prova::ScriviArchivio(draws);
    MDIForm1 principale;
    principale.show();
    principale.AggiungiFinestra(new QWidget);
    principale.Timer1()->start();
    draws.push_back(prova::Estrazione(1, 1, 1900));
    prova::ScriviArchivio(draws);

    principale.Ricarica();
    EXPECT_EQ(Module1().DrawCount, 4);
    EXPECT_TRUE(principale.isVisible());
    EXPECT_TRUE(principale.Area()->subWindowList().isEmpty());
    EXPECT_FALSE(principale.Timer1()->isActive());
    EXPECT_TRUE(principale.Toolbar1()->isVisible());
}

TEST(Form41, DisabilitaLaFinestraPrincipaleFinCheEsiste) {
    prova::CartellaProva cartella;
    MDIForm1 principale;
    principale.show();

    Form41* caricamento = Form41::Carica();
    EXPECT_EQ(caricamento->windowTitle(), "Loading....");
    EXPECT_EQ(Form41::Carica(), caricamento);
    EXPECT_FALSE(principale.isEnabled());
    EXPECT_FALSE(principale.menuBar()->isEnabled());
    caricamento->ImpostaValore(19);
    EXPECT_EQ(caricamento->ProgressBar1()->value(), 19);

    QPointer<Form41> vista(caricamento);
    Form41::Scarica();
    EXPECT_TRUE(principale.isEnabled());
    EXPECT_EQ(Form41::Istanza(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return vista.isNull(); }));

    // Closed by its close box, or destroyed, it lets go of the main window too.
    Form41::Carica()->close();
    EXPECT_TRUE(principale.isEnabled());
    delete Form41::Carica();
    EXPECT_TRUE(principale.isEnabled());
    EXPECT_EQ(Form41::Istanza(), nullptr);
}

}  // namespace
}  // namespace ruotario
