#include "shell/msgbox.h"

#include <QApplication>
#include <QMessageBox>

#include "store/errore.h"

namespace ruotario {
namespace {

MsgBoxResponder* risponditore = nullptr;

QMessageBox::Icon IconaQt(MsgBoxIcon icona) {
    switch (icona) {
        case MsgBoxIcon::Critical:
            return QMessageBox::Critical;
        case MsgBoxIcon::Question:
            return QMessageBox::Question;
        case MsgBoxIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgBoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MsgBoxResult MsgBox(const QString& testo, MsgBoxButtons pulsanti, MsgBoxIcon icona) {
    if (risponditore) return risponditore->Answer(testo, pulsanti, icona);
    QMessageBox box(
        IconaQt(icona), QString::fromUtf8(kTitoloApplicazione), testo,
        pulsanti == MsgBoxButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
        QApplication::activeWindow());
    int scelta = box.exec();
    if (pulsanti == MsgBoxButtons::Ok) return MsgBoxResult::Ok;
    return scelta == QMessageBox::Yes ? MsgBoxResult::Yes : MsgBoxResult::No;
}

void MostraErrore(const Errore& errore) {
    MsgBox(QString::fromStdString(errore.what()), MsgBoxButtons::Ok,
           errore.gravita() == Gravita::Avviso ? MsgBoxIcon::Exclamation : MsgBoxIcon::Critical);
}

void SetMsgBoxResponder(MsgBoxResponder* responder) {
    risponditore = responder;
}

}  // namespace ruotario
