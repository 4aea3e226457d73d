#include "shell/archivia_estrazione.h"

#include <QApplication>

#include "shell/mdiform1.h"
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
    try {
        AccodaEstrazione();
    } catch (const Errore& errore) {
        // Nothing was written; the typed draw stays in the window.
        MostraErrore(errore);
        return;
    }
    Module1().EntryPending = 0;
    if (auto* principale = MDIForm1::Istanza()) {
        principale->ChiudiFinestra(principale->Finestra("Archivio"));
        principale->Ricarica();
    }
}

}  // namespace ruotario
