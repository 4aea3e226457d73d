// What the series window's buttons do: compose a series, save it, delete one
// or all, and hand the chosen one with the range to a new analysis window.
#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>

#include "analysis/ricerca2.h"
#include "series/serie.h"
#include "shell/cornice.h"
#include "shell/msgbox.h"
#include "store/errore.h"
#include "store/module1.h"

namespace ruotario {
namespace {

QString Testo(const std::string& testo) {
    return QString::fromStdString(testo);
}

void Avviso(const char* testo) {
    MsgBox(QString::fromUtf8(testo), MsgBoxButtons::Ok, MsgBoxIcon::Exclamation);
}

bool Conferma(const char* domanda) {
    return MsgBox(QString::fromUtf8(domanda), MsgBoxButtons::YesNo, MsgBoxIcon::Question) ==
           MsgBoxResult::Yes;
}

// The first selected row of a list, or -1.
int Selezionato(const QListWidget* lista) {
    for (int r = 0; r < lista->count(); ++r)
        if (lista->item(r)->isSelected()) return r;
    return -1;
}

}  // namespace

void Serie::Command2_Click(int Index) {
    switch (Index) {
        case 0:
            Seleziona();
            break;
        case 1:
            Ripristina();
            break;
        case 2:
            list2_->clear();
            RiempiNumeri();
            break;
    }
}

void Serie::Seleziona() {
    if (list2_->count() >= kMaxNumeriSerie) return Avviso(kMsgTroppiNumeri);
    int riga = Selezionato(list1_);
    if (riga < 0) return Avviso("Selezionare un numero dal listato di sinistra");
    list2_->addItem(list1_->item(riga)->text());
    delete list1_->takeItem(riga);
    list1_->clearSelection();  // the next number is picked anew
}

void Serie::Ripristina() {
    int riga = Selezionato(list2_);
    if (riga < 0) return Avviso("Selezionare un numero dal listato di destra");
    const QString testo = list2_->item(riga)->text();
    const int numero = testo.toInt();
    int posizione = numero - 1;
    // Smaller numbers still on the right leave that position past the end:
    // the number goes before the first larger one instead.
    if (posizione > list1_->count()) {
        posizione = 0;
        while (posizione < list1_->count() && list1_->item(posizione)->text().toInt() < numero)
            ++posizione;
    }
    list1_->insertItem(posizione, testo);
    delete list2_->takeItem(riga);
    list2_->clearSelection();
}

void Serie::Command1_Click(int Index) {
    switch (Index) {
        case 0:
            Elabora();
            break;
        case 1:
            Elimina();
            break;
        case 2:
            Svuota();
            break;
        case 3:
            if (auto* principale = Cornice::Istanza())
                principale->ChiudiFinestra(this);
            else
                close();
            break;
        case 4:
            if (list2_->count() == 0)
                Avviso(kMsgSerieVuota);
            else
                SalvaSerie();
            break;
    }
}

void Serie::Elabora() {
    const int indice = combo1_->currentIndex();
    Module1().SeriesText = combo1_->currentText().toStdString();
    caricaSerie();
    if (indice >= 0 && indice < static_cast<int>(serie_.size()))
        if (const auto memorizzati = NumeriFuoriIntervallo(serie_[indice]))
            Module1().SeriesNumbers = *memorizzati;
    Ricerca2::Apri();
    if (auto* principale = Cornice::Istanza()) principale->AccendiBanner();
}

void Serie::caricaSerie() {
    Module1().SeriesNumbers = NumeriDaVoce(Module1().SeriesText);
}

void Serie::SalvaSerie() {
    if (!Conferma("Salvare Serie ?")) return;
    std::vector<int> numeri;
    for (int r = 0; r < list2_->count(); ++r)
        numeri.push_back(list2_->item(r)->text().toInt());
    const bool fatto = Protetto([&] { AccodaSerie(SeriePath(), numeri); });
    CaricaSerieArchivio(fatto);
}

void Serie::Elimina() {
    if (!Conferma(" Eliminare Serie selezionata ?")) return;
    const int indice = combo1_->currentIndex();
    bool fatto = true;
    if (indice >= 0 && indice < static_cast<int>(serie_.size()))
        fatto = Protetto([&] { EliminaSerie(SeriePath(), indice + 1, serie_[indice]); });
    CaricaSerieArchivio(fatto);
}

void Serie::Svuota() {
    if (!Conferma(" Eliminare tutte le Serie in Archivio ?")) return;
    const bool fatto = Protetto([&] { SvuotaSerie(SeriePath(), serie_); });
    CaricaSerieArchivio(fatto);
}

void Serie::CaricaSerieArchivio(bool avvisa) {
    combo1_->clear();
    try {
        serie_ = ElencaSerie(SeriePath());
    } catch (const Errore& errore) {
        serie_.clear();
        if (avvisa) MostraErrore(errore);
    }
    for (const std::string& voce : VociSerie(serie_))
        combo1_->addItem(Testo(voce));
    combo1_->setCurrentIndex(combo1_->count() - 1);
    const bool ci = !serie_.empty();
    // Without draws there is nothing to analyse.
    command1_[0]->setEnabled(ci && Module1().DrawCount > 0);
    command1_[1]->setEnabled(ci);
    command1_[2]->setEnabled(ci);
}

}  // namespace ruotario
