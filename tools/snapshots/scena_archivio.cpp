#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include "archive/archivio.h"
#include "app/mdiform1.h"
#include "shell/msflexgrid.h"
#include "snapshots/fotografo.h"
#include "store/module1.h"

namespace ruotario::snapshots {
namespace {

QWidget* Cornice(Archivio* archivio) {
    return archivio->parentWidget() ? archivio->parentWidget() : archivio;
}

}  // namespace

void ScenaArchivio(Fotografo& fotografo) {
    MDIForm1 principale;
    principale.show();
    principale.mnuEstra()->trigger();
    Archivio* archivio = Archivio::Istanza();
    if (!archivio) return;

    // The last draw, on each tab.
    fotografo.Salva("archivio_ultima", Cornice(archivio));
    archivio->SSTab1()->setCurrentIndex(1);
    fotografo.Salva("archivio_ultima_superenalotto", Cornice(archivio));
    archivio->SSTab1()->setCurrentIndex(2);
    fotografo.Salva("archivio_ultima_indici", Cornice(archivio));

    // The first draw of the archive: Bari was not drawn yet, so there is no
    // Super Enalotto combination.
    archivio->SSTab1()->setCurrentIndex(1);
    archivio->VScroll1()->setValue(1);
    fotografo.Salva("archivio_superenalotto_incompleto", Cornice(archivio));

    // A new draw half typed: Bari and Cagliari, and Firenze begun.
    archivio->SSTab1()->setCurrentIndex(0);
    QTest::mouseClick(archivio->Inserisci(), Qt::LeftButton);
    QTest::keyClicks(archivio->MSFlexGrid1(),
                     "0712458890"
                     "0102030405"
                     "1");
    fotografo.Salva("archivio_inserimento", Cornice(archivio));
    fotografo.Salva("archivio_principale", &principale);

    Module1().EntryPending = 0;
    principale.Area()->closeAllSubWindows();
}

}  // namespace ruotario::snapshots
