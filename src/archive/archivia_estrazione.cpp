#include "archive/archivia_estrazione.h"

#include <QApplication>

#include "archive/archivio.h"
#include "shell/cornice.h"
#include "shell/msgbox.h"
#include "store/errore.h"
#include "store/module1.h"

namespace ruotario {

void ArchiviaEstrazione(int& Modo) {
    if (Modo == 1) {
        MsgBox("I dati non sono conformi", MsgBoxButtons::Ok, MsgBoxIcon::Exclamation);
        return;
    }
    if (Modo != 2) return;
    if (MsgBox("Archiviare Estrazione ?", MsgBoxButtons::YesNo, MsgBoxIcon::Question) !=
        MsgBoxResult::Yes)
        return;

    QApplication::processEvents();
    // A failed append has written nothing; the typed draw stays in the window.
    if (!Protetto([] { AccodaEstrazione(); })) return;
    Module1().EntryPending = 0;
    Cornice* cornice = Cornice::Istanza();
    if (!cornice) return;
    // The archive window goes without asking, then the frame is loaded again
    // and counts the new draw.
    cornice->ChiudiFinestra(Archivio::Istanza());
    cornice->Nascondi();
    QApplication::processEvents();
    cornice->Ricarica();
}

}  // namespace ruotario
