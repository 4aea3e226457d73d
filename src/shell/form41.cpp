#include "shell/form41.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QVBoxLayout>

#include "shell/cornice.h"
#include "shell/twips.h"

namespace ruotario {
namespace {

Form41* istanza = nullptr;

}  // namespace

Form41::Form41() : QWidget(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setObjectName("Form41");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Loading....");
    progressBar1_ = new QProgressBar(this);
    progressBar1_->setObjectName("ProgressBar1");
    progressBar1_->setTextVisible(false);
    progressBar1_->setRange(0, 100);
    progressBar1_->setValue(0);
    auto* disposizione = new QVBoxLayout(this);
    disposizione->addWidget(progressBar1_);
    setFixedSize(Twips(4500), Twips(900));
    CentraSullaCornice(this);
}

Form41::~Form41() {
    if (istanza == this) istanza = nullptr;
}

Form41* Form41::Carica() {
    if (!istanza) istanza = new Form41;
    istanza->show();
    // Painted now: the analysis does not return to the event loop while it works.
    istanza->repaint();
    istanza->dipinto_ = istanza->Percento();
    return istanza;
}

void Form41::Scarica() {
    if (istanza) istanza->close();
}

Form41* Form41::Istanza() {
    return istanza;
}

void Form41::ImpostaValore(int valore) {
    progressBar1_->setValue(valore);
    // Painted at once whenever the bar has grown by a hundredth: painting all
    // the steps of an analysis of the whole archive would take many times
    // longer than the analysis itself.
    const int percento = Percento();
    if (percento == dipinto_) return;
    dipinto_ = percento;
    repaint();
}

int Form41::Percento() const {
    const auto estensione =
        static_cast<std::int64_t>(progressBar1_->maximum()) - progressBar1_->minimum();
    if (estensione <= 0) return 0;
    return static_cast<int>(
        (static_cast<std::int64_t>(progressBar1_->value()) - progressBar1_->minimum()) * 100 /
        estensione);
}

void Form41::closeEvent(QCloseEvent* event) {
    blocco_.Rilascia();
    if (istanza == this) istanza = nullptr;
    event->accept();
}

}  // namespace ruotario
