#include "shell/cornice.h"

namespace ruotario {
namespace {

Cornice* corrente = nullptr;

}  // namespace

Cornice* Cornice::Istanza() {
    return corrente;
}

Cornice::Cornice() {
    corrente = this;
}

Cornice::~Cornice() {
    if (corrente == this) corrente = nullptr;
}

BloccoPrincipale::BloccoPrincipale() : cornice_(Cornice::Istanza()) {
    if (!cornice_) return;
    vivo_ = cornice_->Widget();
    cornice_->Trattieni();
}

void BloccoPrincipale::Rilascia() {
    if (cornice_ && vivo_) cornice_->Lascia();
    cornice_ = nullptr;
}

void CentraSullaCornice(QWidget* finestra) {
    if (Cornice* cornice = Cornice::Istanza())
        finestra->move(cornice->Widget()->geometry().center() - finestra->rect().center());
}

}  // namespace ruotario
